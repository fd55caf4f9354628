#pragma once

#include <cstdint>

namespace textshow {

// A value whose arithmetic wraps modulo 256, where the show's bytes or waits
// depend on the wrap. Counts, indices and frame numbers are plain int.
using Cell = std::uint8_t;

// One screen picture: 50 rows of 100 printable characters, each row ended by CR LF.
inline constexpr int FRAME_WIDTH = 100;
inline constexpr int FRAME_HEIGHT = 50;
inline constexpr int ROW_BYTES = FRAME_WIDTH + 2;
inline constexpr int FRAME_BYTES = FRAME_HEIGHT * ROW_BYTES;

}  // namespace textshow
