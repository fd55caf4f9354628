#include "effects/plasma/plasma_effect.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::frame_of;
using testing::row_of;

class PlasmaPlayed : public ::testing::Test {
 protected:
  void SetUp() override {
    Capture loading;
    build_plasma_table(loading.console(), table);
    built = table;
    Capture capture(7);
    PlasmaEffect{.table = table}.play(capture.console());
    units_waited = capture.delay_units();
    show = capture.bytes();
  }
  PlasmaTable table{};
  PlasmaTable built{};
  std::string show;
  int units_waited = 0;
};

TEST_F(PlasmaPlayed, FirstFrameShowsTheTableSteppedOnce) {
  EXPECT_EQ(row_of(frame_of(show, 0), 1).substr(0, 20), "C####AA####CCX,''   ");
}

TEST_F(PlasmaPlayed, FrameTwelveShowsTheTableAsBuilt) {
  const std::string palette = " ',XC##ACX,' ";
  const std::string_view frame = frame_of(show, 12);
  for (int y = 0; y < FRAME_HEIGHT; ++y) {
    for (int x = 0; x < FRAME_WIDTH; ++x) {
      ASSERT_EQ(row_of(frame, y + 1)[x], palette[built[y][x] - 1]) << "row " << y << ", column " << x;
    }
  }
}

TEST_F(PlasmaPlayed, RepeatsEveryThirteenFramesWithThirteenDifferentPictures) {
  ASSERT_EQ(show.size(), 765'000U);
  for (int f = 0; f + 13 < PLASMA_FRAMES; ++f) {
    ASSERT_TRUE(frame_of(show, f) == frame_of(show, f + 13)) << "frame " << f;
  }
  for (int f = 1; f < 13; ++f) {
    EXPECT_FALSE(frame_of(show, 0) == frame_of(show, f)) << "frame " << f;
  }
}

TEST_F(PlasmaPlayed, EveryRowIsOneHundredPaletteCharactersThenCrLf) {
  for (std::size_t at = 0; at < show.size(); at += ROW_BYTES) {
    const std::string_view row = std::string_view(show).substr(at, ROW_BYTES);
    ASSERT_EQ(row.find_first_not_of(" ',XC#A"), std::size_t{FRAME_WIDTH}) << "at byte " << at;
    ASSERT_EQ(row.substr(FRAME_WIDTH), "\r\n") << "at byte " << at;
  }
}

TEST_F(PlasmaPlayed, WaitsOnceAfterEveryFrameAndClearsItsTable) {
  EXPECT_EQ(units_waited, PLASMA_FRAMES * 7);
  EXPECT_TRUE(table == PlasmaTable{});
}

}  // namespace
}  // namespace textshow
