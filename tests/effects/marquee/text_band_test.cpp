#include "effects/marquee/text_band.hpp"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>

#include "effects/marquee/segment_font.hpp"
#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::repeat;
using testing::row_of;

std::string drawn(const BandText& text) {
  Capture capture;
  draw_band(capture.console(), text);
  return capture.bytes();
}

std::string drawn(int text_index) {
  Capture capture;
  draw_text_band(capture.console(), text_index);
  return capture.bytes();
}

BandText all_of(int glyph_code) {
  BandText text{};
  text.fill(glyph_code);
  return text;
}

// Codes 1 to 24 in order, then one blank glyph.
BandText whole_font() {
  BandText text = all_of(BLANK_GLYPH_CODE);
  std::iota(text.begin(), text.begin() + GLYPH_CODE_COUNT, 1);
  return text;
}

struct BandCase {
  const char* name = nullptr;
  BandText text{};
  std::array<std::string, 3> rows;
};

TEST(TextBand, DrawsEachRowOfEveryGlyphFollowedByASpace) {
  const std::string blank(FRAME_WIDTH, ' ');
  const std::string bars = repeat(" |  ", GLYPHS_PER_BAND);
  const BandCase cases[] = {
      {"blank glyphs", all_of(1), {blank, blank, blank}},
      {"vertical bars", all_of(2), {bars, bars, bars}},
      // Codes 1 to 13 on the left, 14 to 24 and a blank on the right.
      {"codes 1 to 24",
       whole_font(),
       {"     |   _                                  |   |   "
        " _   _   _   _   _   _  |_|  _    |             ",
        "     |        _ | | | |      _   _   _   _  |_  |_  "
        "|_  |_| |_| |_| |_| |_  |_   _|  _| |_|  |_     ",
        "     |   |   |   |  ||| |_| |_| |_  ||| | | | | |_| "
        " _|  _| |_| |_  |   |   | | |_| |_|  |   |_     "}},
  };
  for (const auto& c : cases) {
    const std::string band = drawn(c.text);
    ASSERT_EQ(band.size(), 3U * ROW_BYTES) << c.name;
    for (int r = 1; r <= 3; ++r) {
      EXPECT_EQ(row_of(band, r), c.rows[r - 1]) << c.name << ", row " << r;
      EXPECT_EQ(band.substr(r * ROW_BYTES - 2, 2), "\r\n") << c.name << ", row " << r;
    }
  }
}

TEST(TextBand, StoredTextsDrawOnlyStrokesAndKeepEveryFourthColumnBlank) {
  for (int k = 1; k <= BAND_TEXT_COUNT; ++k) {
    const std::string band = drawn(k);
    ASSERT_EQ(band.size(), 3U * ROW_BYTES) << "text " << k;
    for (int r = 1; r <= 3; ++r) {
      const std::string_view row = row_of(band, r);
      EXPECT_EQ(row.find_first_not_of(" |_"), std::string_view::npos)
          << "text " << k << ", row " << r << ": " << row;
      for (int column = 4; column <= FRAME_WIDTH; column += 4) {
        EXPECT_EQ(row[column - 1], ' ') << "text " << k << ", row " << r << ", column " << column;
      }
      EXPECT_EQ(band.substr(r * ROW_BYTES - 2, 2), "\r\n") << "text " << k << ", row " << r;
    }
  }
}

}  // namespace
}  // namespace textshow
