#include "play/color_choice.hpp"

#include <algorithm>

namespace textshow::play {

namespace {

constexpr int BASIC_COLORS = 8;
constexpr int EXTENDED_COLORS = 256;

ColorDepth terminal_depth(int colors, int pairs) {
  const int usable = std::min(colors, pairs);
  if (usable >= EXTENDED_COLORS) {
    return ColorDepth::COLORS_256;
  }
  return usable >= BASIC_COLORS ? ColorDepth::COLORS_8 : ColorDepth::MONOCHROME;
}

}  // namespace

std::optional<ColorMode> color_mode_named(std::string_view name) {
  if (name == "auto") {
    return ColorMode::AUTO;
  }
  if (name == "always") {
    return ColorMode::ALWAYS;
  }
  if (name == "never") {
    return ColorMode::NEVER;
  }
  return std::nullopt;
}

ColorDepth choose_depth(ColorMode mode, const char* no_color, int terminal_colors, int terminal_pairs) {
  const bool asked_for_none = no_color != nullptr && *no_color != '\0';
  if (mode == ColorMode::NEVER || (mode == ColorMode::AUTO && asked_for_none)) {
    return ColorDepth::MONOCHROME;
  }
  return terminal_depth(terminal_colors, terminal_pairs);
}

ColorDepth recording_depth(ColorMode mode) {
  return mode == ColorMode::ALWAYS ? ColorDepth::COLORS_256 : ColorDepth::MONOCHROME;
}

}  // namespace textshow::play
