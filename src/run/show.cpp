#include "run/show.hpp"

#include <cstdlib>

#include "effects/stripes/stripe_effect.hpp"

namespace textshow {

// The show, in order. Each stage starts from the values given here and from zero
// everywhere else, and leaves its state at zero when it ends.
void play_show(const Console& console) {
  StripeEffect{.frame_counter = STRIPE_FRAMES, .stripe_phase = 1}.play(console);
}

int finish_show(const Console& console) {
  console.put('\0');
  return std::ferror(console.out) != 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace textshow
