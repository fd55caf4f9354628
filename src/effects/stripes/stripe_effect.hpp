#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr int STRIPE_FRAMES = 100;
inline constexpr int STRIPE_PHASE_PERIOD = 20;

// Effect 2: row r is a square wave of r "#" and r spaces; the rows slide at
// different speeds and the picture repeats every STRIPE_PHASE_PERIOD frames.
struct StripeEffect {
  int frame_counter = STRIPE_FRAMES;
  int stripe_phase = 1;

  void play(const Console& console);
};

}  // namespace textshow
