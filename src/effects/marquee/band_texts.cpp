#include "effects/marquee/band_texts.hpp"

#include <stdexcept>
#include <string_view>

#include "effects/marquee/segment_font.hpp"

namespace textshow {

namespace {

// Glyph code k reads as the letter at position k - 1. The font draws i and
// l alike and has no x, j, q or z.
constexpr std::string_view GLYPH_READINGS = " lTrvwuocmnhbsg8epfkadyt";

consteval int glyph_code_of(char letter) {
  const std::size_t at = GLYPH_READINGS.find(letter == 'i' ? 'l' : letter);
  if (at == std::string_view::npos) {
    throw std::invalid_argument("the segment font has no glyph for this letter");
  }
  return static_cast<int>(at) + 1;
}

// An odd blank glyph goes to the left: the blank column that follows every
// glyph already widens the right margin by one.
consteval BandText centred(std::string_view text) {
  BandText band{};
  band.fill(BLANK_GLYPH_CODE);
  const std::size_t lead = (GLYPHS_PER_BAND + 1 - text.size()) / 2;
  for (std::size_t i = 0; i < text.size(); ++i) {
    band[lead + i] = glyph_code_of(text[i]);
  }
  return band;
}

constexpr std::array<BandText, BAND_TEXT_COUNT> BAND_TEXTS = {
    centred("hello and welcome"),
    centred("to the character show"),
    centred("coming up"),
    centred("stripes and a tunnel"),
    centred("then plasma waves"),
    centred("and a twister"),
    centred("get ready"),
    centred("the show begins"),
};

}  // namespace

const BandText& band_text(int text_index) { return BAND_TEXTS[text_index - 1]; }

}  // namespace textshow
