#include "run/show.hpp"

#include <iterator>

#include "effects/loading_bar/loading_bar.hpp"
#include "effects/marquee/marquee_effect.hpp"
#include "effects/plasma/plasma_effect.hpp"
#include "effects/stripes/stripe_effect.hpp"
#include "effects/tunnel/tunnel_effect.hpp"
#include "effects/twister/twister_effect.hpp"

namespace textshow {

// The show, in order. Each stage starts from the values given here and from zero
// everywhere else, and leaves its state at zero when it ends.
constexpr Stage SHOW_STAGES[] = {
    {"marquee", MARQUEE_FRAMES, MARQUEE_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea&) {
       MarqueeEffect{.page_counter = 2 * MARQUEE_PAGES, .page_frames_left = PAGE_FRAMES,
                     .bar_phase = MARQUEE_BAR_PERIOD}
           .play(console);
     }},
    {"stripes", STRIPE_FRAMES, STRIPE_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea&) {
       StripeEffect{.frame_counter = STRIPE_FRAMES, .stripe_phase = 1}.play(console);
     }},
    {"tunnel loading", LOADING_FRAMES, LOADING_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea& work) { build_tunnel_table(console, work.tunnel); }},
    {"tunnel", TUNNEL_FRAMES, TUNNEL_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea& work) {
       TunnelEffect{.table = work.tunnel, .frame_counter = TUNNEL_FRAMES}.play(console);
     }},
    {"plasma loading", LOADING_FRAMES, LOADING_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea& work) { build_plasma_table(console, work.plasma); }},
    {"plasma", PLASMA_FRAMES, PLASMA_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea& work) {
       PlasmaEffect{.table = work.plasma, .frame_counter = PLASMA_FRAMES}.play(console);
     }},
    {"twister", TWISTER_FRAMES, TWISTER_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea&) { TwisterEffect{.cycles = TWISTER_CYCLES}.play(console); }},
};
constexpr int SHOW_STAGE_COUNT = std::size(SHOW_STAGES);

void play_show(const Console& console, WorkArea& work) {
  for (const Stage& stage : SHOW_STAGES) {
    stage.play(console, work);
  }
}

void finish_show(const Console& console) {
  console.put('\0');
  std::fflush(console.out);
  console.check_output();
}

}  // namespace textshow
