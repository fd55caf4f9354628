#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr Cell STRIPE_FRAMES = 100;
inline constexpr Cell STRIPE_PHASE_PERIOD = 20;

// Effect 2: row r is a square wave of r "#" and r spaces; the rows slide at
// different speeds and the picture repeats every STRIPE_PHASE_PERIOD frames.
struct StripeEffect {
  Cell frame_counter = STRIPE_FRAMES;
  Cell stripe_phase = 1;

  void play(const Console& console);
};

}  // namespace textshow
