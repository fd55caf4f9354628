#include "run/show.hpp"

#include <iterator>

#include "effects/loading_bar/loading_bar.hpp"
#include "effects/marquee/marquee_effect.hpp"
#include "effects/plasma/plasma_effect.hpp"
#include "effects/stripes/stripe_effect.hpp"
#include "effects/tunnel/tunnel_effect.hpp"
#include "effects/twister/twister_effect.hpp"

namespace textshow {

namespace {

// Each effect starts from the opening state its own members give it.
void play_marquee(const Console& console, WorkArea& /*work*/) { MarqueeEffect{}.play(console); }
void play_stripes(const Console& console, WorkArea& /*work*/) { StripeEffect{}.play(console); }
void load_tunnel(const Console& console, WorkArea& work) { build_tunnel_table(console, work.tunnel); }
void play_tunnel(const Console& console, WorkArea& work) {
  TunnelEffect{.table = work.tunnel}.play(console);
}
void load_plasma(const Console& console, WorkArea& work) { build_plasma_table(console, work.plasma); }
void play_plasma(const Console& console, WorkArea& work) {
  PlasmaEffect{.table = work.plasma}.play(console);
}
void play_twister(const Console& console, WorkArea& /*work*/) { TwisterEffect{}.play(console); }

}  // namespace

// The show, in order: name, frames, wait multiplier, what plays it. A loading
// phase does not wait: the table work between its frames takes the wait's place.
constexpr Stage SHOW_STAGES[] = {
    {"marquee", MARQUEE_FRAMES, 3, play_marquee},
    {"stripes", STRIPE_FRAMES, 1, play_stripes},
    {"tunnel loading", LOADING_FRAMES, 0, load_tunnel},
    {"tunnel", TUNNEL_FRAMES, 2, play_tunnel},
    {"plasma loading", LOADING_FRAMES, 0, load_plasma},
    {"plasma", PLASMA_FRAMES, 1, play_plasma},
    {"twister", TWISTER_FRAMES, 1, play_twister},
};
constexpr int SHOW_STAGE_COUNT = std::size(SHOW_STAGES);

void play_stage(const Stage& stage, const Console& console, WorkArea& work) {
  Console paced = console;
  paced.delay_multiplier = stage.delay_multiplier;
  stage.play(paced, work);
}

void play_show(const Console& console, WorkArea& work) {
  for (const Stage& stage : SHOW_STAGES) {
    play_stage(stage, console, work);
  }
}

void finish_show(const Console& console) {
  console.put('\0');
  std::fflush(console.out);
  console.check_output();
}

}  // namespace textshow
