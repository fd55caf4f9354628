#pragma once

#include "effects/plasma/plasma_table.hpp"
#include "run/console.hpp"

namespace textshow {

inline constexpr int PLASMA_FRAMES = 150;

// Effect 6: the levels cycle one step down a frame, so the wave bands seem to
// flow; the picture repeats every PLASMA_LEVELS frames. It clears its table when it ends.
struct PlasmaEffect {
  PlasmaTable& table;
  int frame_counter = PLASMA_FRAMES;

  void play(const Console& console);
};

}  // namespace textshow
