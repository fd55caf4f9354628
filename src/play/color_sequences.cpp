#include "play/color_sequences.hpp"

namespace textshow::play {

namespace {

constexpr int BASIC_COLORS = 8;

std::string color_sequence(int color) {
  if (color < BASIC_COLORS) {
    return "\x1b[3" + std::to_string(color) + "m";
  }
  return "\x1b[38;5;" + std::to_string(color) + "m";
}

}  // namespace

void append_colored(std::string& out, std::string_view text, std::span<const std::uint8_t> colors, int& current) {
  for (std::size_t c = 0; c < text.size(); ++c) {
    if (text[c] != ' ' && colors[c] != current) {
      current = colors[c];
      out += color_sequence(current);
    }
    out += text[c];
  }
}

}  // namespace textshow::play
