#include "effects/marquee/band_texts.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "effects/marquee/segment_font.hpp"

namespace textshow {
namespace {

TEST(BandTexts, EveryGlyphIsOneOfTheFontsCodes) {
  for (int k = 1; k <= BAND_TEXT_COUNT; ++k) {
    const BandText& text = band_text(k);
    for (int i = 0; i < GLYPHS_PER_BAND; ++i) {
      EXPECT_GE(text[i], 1) << "text " << k << ", glyph " << i + 1;
      EXPECT_LE(text[i], GLYPH_CODE_COUNT) << "text " << k << ", glyph " << i + 1;
    }
  }
}

// So the two bands of a page differ and no two pages are alike.
TEST(BandTexts, NoTwoTextsAreAlike) {
  for (int k = 1; k <= BAND_TEXT_COUNT; ++k) {
    for (int other = k + 1; other <= BAND_TEXT_COUNT; ++other) {
      EXPECT_NE(band_text(k), band_text(other)) << "texts " << k << " and " << other;
    }
  }
}

// Centred on the band: as many blank glyphs before the text as after it,
// or one more before.
TEST(BandTexts, EveryTextIsCentred) {
  const auto is_blank = [](int code) { return code == BLANK_GLYPH_CODE; };
  for (int k = 1; k <= BAND_TEXT_COUNT; ++k) {
    const BandText& text = band_text(k);
    const auto lead = std::ranges::find_if_not(text, is_blank) - text.begin();
    const auto trail = std::find_if_not(text.rbegin(), text.rend(), is_blank) - text.rbegin();
    ASSERT_LT(lead, GLYPHS_PER_BAND) << "text " << k << " is blank";
    EXPECT_TRUE(lead == trail || lead == trail + 1)
        << "text " << k << ": " << lead << " blanks before, " << trail << " after";
  }
}

}  // namespace
}  // namespace textshow
