#include "effects/twister/twister_effect.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::frame_of;
using testing::row_of;

std::string run(char c, int n) { return std::string(n, c); }

class TwisterPlayed : public ::testing::Test {
 protected:
  void SetUp() override {
    Capture capture(3);
    TwisterEffect{}.play(capture.console());
    units_waited = capture.delay_units();
    show = capture.bytes();
  }
  std::string show;
  int units_waited = 0;
};

TEST_F(TwisterPlayed, TopRowOfTheFirstFrame) {
  const std::string face_a = run(' ', 6) + run('"', 7) + run(' ', 7) + run('"', 6);
  const std::string face_b = run(' ', 3) + run('"', 4) + run(' ', 4) + run('"', 1);
  EXPECT_EQ(row_of(frame_of(show, 0), 1),
            run(' ', 32) + "#" + face_a + "#" + face_b + "#" + run(' ', 27));
}

TEST_F(TwisterPlayed, BottomRowAtBaseAngle113HasAOneCharacterFaceOfTheOtherFill) {
  // frame_counter 12 is the 39th frame of a cycle; the bottom band's fill is a space.
  const std::string_view row = row_of(frame_of(show, 38), FRAME_HEIGHT);
  EXPECT_EQ(row.find('#'), 36U);
  EXPECT_EQ(row.find('#', 37), 66U);
  EXPECT_EQ(row.find('#', 67), 68U);
  EXPECT_EQ(row[67], '"');
  EXPECT_EQ(row.substr(69), run(' ', 31));
}

TEST_F(TwisterPlayed, EveryRowHasThreeSeparateEdgesInOneHundredCharacters) {
  ASSERT_EQ(show.size(), 1'020'000U);
  for (std::size_t at = 0; at < show.size(); at += ROW_BYTES) {
    const std::string_view row = std::string_view(show).substr(at, ROW_BYTES);
    ASSERT_EQ(row.find_first_not_of("# \""), std::size_t{FRAME_WIDTH}) << "at byte " << at;
    ASSERT_EQ(row.substr(FRAME_WIDTH), "\r\n") << "at byte " << at;
    ASSERT_EQ(std::ranges::count(row, '#'), 3) << "at byte " << at;
    ASSERT_EQ(row.find("##"), std::string_view::npos) << "at byte " << at;
    ASSERT_GE(row.find('#'), 32U) << "at byte " << at;
    ASSERT_LE(row.rfind('#'), 72U) << "at byte " << at;
  }
}

TEST_F(TwisterPlayed, ShowsTwentyFiveDifferentFramesEightTimesOver) {
  for (int f = 0; f + 25 < TWISTER_FRAMES; ++f) {
    ASSERT_TRUE(frame_of(show, f) == frame_of(show, f + 25)) << "frame " << f;
  }
  for (int f = 0; f < 25; ++f) {
    for (int g = f + 1; g < 25; ++g) {
      EXPECT_FALSE(frame_of(show, f) == frame_of(show, g)) << "frames " << f << " and " << g;
    }
  }
}

TEST_F(TwisterPlayed, WaitsOnceAfterEveryFrame) {
  EXPECT_EQ(units_waited, TWISTER_FRAMES * 3);
}

}  // namespace
}  // namespace textshow
