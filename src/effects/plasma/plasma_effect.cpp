#include "effects/plasma/plasma_effect.hpp"

#include <array>

namespace textshow {

namespace {

// Blank up to the heaviest character and back, indexed by level − 1.
// Not symmetric: "#" holds two levels, "A" only one.
constexpr std::array<char, PLASMA_LEVELS> PLASMA_PALETTE = {
    ' ', '\'', ',', 'X', 'C', '#', '#', 'A', 'C', 'X', ',', '\'', ' ',
};

void step_levels(PlasmaTable& table) {
  for (auto& levels : table) {
    for (std::uint8_t& level : levels) {
      level = level == 1 ? PLASMA_LEVELS : level - 1;
    }
  }
}

void write_plasma_frame(const Console& console, const PlasmaTable& table) {
  for (const auto& levels : table) {
    for (const int level : levels) {
      console.put(PLASMA_PALETTE[level - 1]);
    }
    console.end_row();
  }
}

}  // namespace

void PlasmaEffect::play(const Console& console) {
  for (; frame_counter != 0; --frame_counter) {
    step_levels(table);
    write_plasma_frame(console, table);
    console.end_frame();
  }
  table = {};
}

}  // namespace textshow
