#include "effects/tunnel/tunnel_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "effects/loading_bar/loading_bar.hpp"
#include "support/capture.hpp"
#include "support/show_stream.hpp"

namespace textshow {
namespace {

using testing::Capture;

struct PositionCase {
  int x;
  int y;
  int depth;
  int angle;
};

// The centre belongs to the upper left; the right half of the centre row to the upper right.
constexpr PositionCase POSITION_CASES[] = {
    {100, 50, 4, 10}, {50, 25, 201, 41}, {49, 25, 101, 41},
    {51, 25, 101, 80}, {50, 50, 8, 20},  {90, 25, 5, 80},
};

TEST(TunnelTable, DepthAndAngleOfTheMarkedPositions) {
  for (const auto& c : POSITION_CASES) {
    EXPECT_EQ(tunnel_depth(c.x, c.y), c.depth) << "(" << c.x << ", " << c.y << ")";
    EXPECT_EQ(tunnel_angle(c.x, c.y), c.angle) << "(" << c.x << ", " << c.y << ")";
  }
}

struct RecordCase {
  int x;
  int y;
  TunnelCell record;
};

constexpr RecordCase RECORD_CASES[] = {
    {100, 50, {2, 5, 5, 0}},
    {50, 25, {2, 4, 6, 0}},
    {49, 25, {1, 6, 6, 0}},
    {51, 25, {2, 6, 3, 0}},
};

TEST(TunnelTable, RecordsOfTheMarkedPositions) {
  for (const auto& c : RECORD_CASES) {
    const TunnelCell got = tunnel_cell(c.x, c.y);
    EXPECT_EQ(got.shade, c.record.shade) << "(" << c.x << ", " << c.y << ")";
    EXPECT_EQ(got.depth_phase, c.record.depth_phase) << "(" << c.x << ", " << c.y << ")";
    EXPECT_EQ(got.angle_phase, c.record.angle_phase) << "(" << c.x << ", " << c.y << ")";
    EXPECT_EQ(got.out_char, 0) << "(" << c.x << ", " << c.y << ")";
  }
}

class BuiltTunnelTable : public ::testing::Test {
 protected:
  void SetUp() override {
    Capture capture;
    build_tunnel_table(capture.console(), table);
    loading_frames = capture.bytes();
  }
  TunnelTable table{};
  std::string loading_frames;
};

bool is_end_of_row(const TunnelCell& cell) {
  return cell.shade == 0 && cell.depth_phase == 0 && cell.angle_phase == 0 && cell.out_char == 0;
}

TEST_F(BuiltTunnelTable, StoresTheRowsFromTheBottomEachFromItsRightEnd) {
  for (int y = FRAME_HEIGHT; y >= 1; --y) {
    const int row_start = (FRAME_HEIGHT - y) * TUNNEL_ROW_RECORDS;
    for (int x = FRAME_WIDTH; x >= 1; --x) {
      const TunnelCell& got = table[row_start + FRAME_WIDTH - x];
      const TunnelCell want = tunnel_cell(x, y);
      ASSERT_TRUE(got.shade == want.shade && got.depth_phase == want.depth_phase &&
                  got.angle_phase == want.angle_phase && got.out_char == 0)
          << "(" << x << ", " << y << ")";
    }
    EXPECT_TRUE(is_end_of_row(table[row_start + FRAME_WIDTH])) << "record " << row_start + 101;
  }
}

TEST_F(BuiltTunnelTable, HoldsFiftyEndsOfRowAndTheCountedShades) {
  EXPECT_EQ(std::ranges::count_if(table, is_end_of_row), 50);
  EXPECT_EQ(std::ranges::count(table, std::uint8_t{2}, &TunnelCell::shade), 2603);
  EXPECT_EQ(std::ranges::count(table, std::uint8_t{1}, &TunnelCell::shade), 2397);
}

TEST_F(BuiltTunnelTable, ShowsOneLoadingBarFrameAfterEveryRow) {
  Capture expected;
  for (int rows_left = LOADING_FRAMES; rows_left != 0; --rows_left) {
    draw_loading_bar(expected.console(), rows_left);
  }
  EXPECT_EQ(loading_frames.size(), 255'000U);
  EXPECT_TRUE(testing::same_stream(loading_frames, expected.bytes(), testing::stage_offset("tunnel loading")));
}

}  // namespace
}  // namespace textshow
