#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr int TWISTER_CYCLES = 4;
inline constexpr int TWISTER_CYCLE_FRAMES = 50;
inline constexpr int TWISTER_FRAMES = TWISTER_CYCLES * TWISTER_CYCLE_FRAMES;

// Effect 7: a twisted bar of square section turning about its vertical axis.
// Each row is one slice, computed from the counters just before it is written.
struct TwisterEffect {
  int cycles = TWISTER_CYCLES;
  int frame_counter = 0;
  int row_counter = 0;
  int band_counter = 0;
  char band_fill = 0;

  void play(const Console& console);

 private:
  void draw_frame(const Console& console);
};

}  // namespace textshow
