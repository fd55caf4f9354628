#include "run/show.hpp"

#include <cstdlib>
#include <iterator>

#include "effects/stripes/stripe_effect.hpp"

namespace textshow {

// The show, in order. Each stage starts from the values given here and from zero
// everywhere else, and leaves its state at zero when it ends.
constexpr Stage SHOW_STAGES[] = {
    {"stripes", STRIPE_FRAMES, STRIPE_DELAY_MULTIPLIER,
     [](const Console& console, WorkArea&) {
       StripeEffect{.frame_counter = STRIPE_FRAMES, .stripe_phase = 1}.play(console);
     }},
};
constexpr int SHOW_STAGE_COUNT = std::size(SHOW_STAGES);

void play_show(const Console& console, WorkArea& work) {
  for (const Stage& stage : SHOW_STAGES) {
    stage.play(console, work);
  }
}

int finish_show(const Console& console) {
  console.put('\0');
  return std::ferror(console.out) != 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace textshow
