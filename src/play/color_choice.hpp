#pragma once

#include <optional>
#include <string_view>

#include "play/palette.hpp"

namespace textshow::play {

// When to draw in colour, as --color asks.
enum class ColorMode { AUTO, ALWAYS, NEVER };

// The mode that the value of --color names; none for any other text.
std::optional<ColorMode> color_mode_named(std::string_view name);

// The depth to play in. AUTO gives colour where the terminal has it and the
// environment does not ask for none: NO_COLOR (its value, null when it is
// not set) set and not empty. ALWAYS gives colour wherever the terminal has
// it. The terminal has 256 colours when its description gives at least 256
// colours and as many colour pairs (a negative count: not given), 8 when it
// gives at least 8 of each, and otherwise none.
ColorDepth choose_depth(ColorMode mode, const char* no_color, int terminal_colors, int terminal_pairs);

// The depth of a recording, which has no terminal to ask: 256 colours when
// ALWAYS asks for them, otherwise none, so that it stays plain text.
ColorDepth recording_depth(ColorMode mode);

}  // namespace textshow::play
