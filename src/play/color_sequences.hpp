#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace textshow::play {

// The colour in force before any has been set.
inline constexpr int NO_COLOR_SET = -1;

// Puts the terminal's own colours back.
inline constexpr std::string_view RESET_COLORS = "\x1b[0m";

// Appends `text` to `out`, with the sequence that sets the colour of each
// cell whose colour differs from the one in force, `current`, which it then
// updates: "\x1b[3Nm" for the eight basic colours, "\x1b[38;5;Nm" for the
// others. A blank shows no colour, so it never changes the colour.
void append_colored(std::string& out, std::string_view text, std::span<const std::uint8_t> colors, int& current);

}  // namespace textshow::play
