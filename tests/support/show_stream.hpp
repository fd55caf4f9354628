#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "effects/tunnel/tunnel_effect.hpp"

namespace textshow::testing {

// A stage of the show as a viewer meets it: its frames, their size, and the
// multiple of the speed setting waited after each of them.
struct StageFigures {
  std::string_view name;
  int frames;
  int frame_bytes;
  int delay_multiplier;
};

// The show in order, written down apart from the show's own stage table so
// that a test can hold the table to it.
inline constexpr std::array<StageFigures, 7> SHOW_FIGURES = {{
    {"marquee", 280, FRAME_BYTES, 3},
    {"stripes", 100, FRAME_BYTES, 1},
    {"tunnel loading", 50, FRAME_BYTES, 0},
    {"tunnel", 150, TUNNEL_FRAME_BYTES, 2},
    {"plasma loading", 50, FRAME_BYTES, 0},
    {"plasma", 150, FRAME_BYTES, 1},
    {"twister", 200, FRAME_BYTES, 1},
}};

// Where byte `offset` of the show lies, as "stage "tunnel", frame 3, byte 12".
std::string where_in_show(std::size_t offset);

// The byte offset in the show at which stage `name` begins.
std::size_t stage_offset(std::string_view name);

// Succeeds when the two streams are alike. Otherwise it names the first byte
// at which they differ and where in the show that byte lies, the streams
// starting at byte `show_offset` of the show, and prints neither stream.
::testing::AssertionResult same_stream(std::string_view actual, std::string_view expected,
                                       std::size_t show_offset = 0);

}  // namespace textshow::testing
