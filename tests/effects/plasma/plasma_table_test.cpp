#include "effects/plasma/plasma_table.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "effects/loading_bar/loading_bar.hpp"
#include "support/capture.hpp"
#include "support/show_stream.hpp"

namespace textshow {
namespace {

using testing::Capture;

class BuiltPlasmaTable : public ::testing::Test {
 protected:
  void SetUp() override {
    Capture capture;
    build_plasma_table(capture.console(), table);
    loading_frames = capture.bytes();
  }
  PlasmaTable table{};
  std::string loading_frames;
};

struct RowRun {
  int y;
  int first_x;
  std::vector<int> levels;
};

TEST_F(BuiltPlasmaTable, HoldsTheListedLevels) {
  const RowRun runs[] = {
      {0, 0, {6, 7, 7, 8, 8, 9, 9, 8, 8, 8, 7, 6, 6, 5, 4, 3, 3, 2, 2, 1}},
      {48, 0, {4, 5, 6, 6, 6, 6, 6, 6, 6, 6}},
      {49, 80, {6, 6, 5, 5, 4, 3, 3, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 4, 4}},
  };
  for (const auto& run : runs) {
    for (std::size_t i = 0; i < run.levels.size(); ++i) {
      EXPECT_EQ(table[run.y][run.first_x + i], run.levels[i])
          << "row " << run.y << ", column " << run.first_x + i;
    }
  }
}

TEST_F(BuiltPlasmaTable, HoldsEachLevelTheCountedNumberOfTimes) {
  constexpr std::array<int, PLASMA_LEVELS + 1> EXPECTED = {0,   574, 602, 484, 600, 638, 642,
                                                           585, 297, 217, 175, 97,  61,  28};
  std::array<int, PLASMA_LEVELS + 1> counted{};
  for (const auto& levels : table) {
    for (const int level : levels) {
      ASSERT_GE(level, 1);
      ASSERT_LE(level, PLASMA_LEVELS);
      ++counted[level];
    }
  }
  EXPECT_EQ(counted, EXPECTED);
}

TEST_F(BuiltPlasmaTable, ShowsTheSameLoadingBarFramesAsTheTunnel) {
  Capture expected;
  for (int rows_left = LOADING_FRAMES; rows_left != 0; --rows_left) {
    draw_loading_bar(expected.console(), rows_left);
  }
  EXPECT_TRUE(testing::same_stream(loading_frames, expected.bytes(), testing::stage_offset("plasma loading")));
}

}  // namespace
}  // namespace textshow
