#include "effects/stripes/stripe_effect.hpp"

#include <algorithm>

namespace textshow {

namespace {

// The row's offset is taken modulo r, not the period 2r: each time it wraps,
// ink and gap trade places. (200 + phase) × r / 10 ≡ phase × r / 10 (mod r).
int lead_blanks(int r, int stripe_phase) {
  return (stripe_phase * r / 10 + 48) % r;
}

void draw_stripe_row(const Console& console, int r, int stripe_phase) {
  int column = lead_blanks(r, stripe_phase);
  console.write_run(' ', column);
  char ink = '#';
  while (column < FRAME_WIDTH) {
    const int run = std::min(r, FRAME_WIDTH - column);
    console.write_run(ink, run);
    column += run;
    ink = ink == '#' ? ' ' : '#';
  }
  console.end_row();
}

}  // namespace

void StripeEffect::play(const Console& console) {
  for (; frame_counter != 0; --frame_counter) {
    for (int r = 1; r <= FRAME_HEIGHT; ++r) {
      draw_stripe_row(console, r, stripe_phase);
    }
    stripe_phase = stripe_phase == 1 ? STRIPE_PHASE_PERIOD : stripe_phase - 1;
    console.end_frame();
  }
  stripe_phase = 0;
}

}  // namespace textshow
