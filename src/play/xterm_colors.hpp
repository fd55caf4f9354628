#pragma once

#include <cstdint>

namespace textshow::play {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour that xterm shows for colour number `number` (0..255): the 16
// system colours, the 6 × 6 × 6 cube and the ramp of 24 greys.
Rgb xterm_rgb(std::uint8_t number);

}  // namespace textshow::play
