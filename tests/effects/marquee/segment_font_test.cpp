#include "effects/marquee/segment_font.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace textshow {
namespace {

TEST(SegmentFont, EveryCodeHasADifferentPatternOfTheThreeStrokes) {
  std::set<GlyphPattern> seen;
  for (int code = 1; code <= GLYPH_CODE_COUNT; ++code) {
    const GlyphPattern& pattern = decode_glyph(code);
    EXPECT_TRUE(std::ranges::all_of(pattern, [](int stroke) {
      return stroke == STROKE_BLANK || stroke == STROKE_VERTICAL || stroke == STROKE_HORIZONTAL;
    })) << "glyph " << code;
    EXPECT_TRUE(seen.insert(pattern).second) << "glyph " << code << " repeats another";
  }
}

TEST(SegmentFont, TheBlankGlyphHasNoInk) {
  GlyphPattern blank{};
  blank.fill(STROKE_BLANK);
  EXPECT_EQ(decode_glyph(BLANK_GLYPH_CODE), blank);
}

}  // namespace
}  // namespace textshow
