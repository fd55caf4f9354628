#include "effects/tunnel/tunnel_effect.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;

int floor_div6(int v) { return v >= 0 ? v / 6 : -((5 - v) / 6); }

// The picture after n steps, straight from the tunnel coordinates.
char expected_char(int x, int y, int n) {
  const int squares = floor_div6(tunnel_depth(x, y) + n) + floor_div6(tunnel_angle(x, y) - n);
  return squares % 2 != 0 ? '#' : ' ';
}

class TunnelPlayed : public ::testing::Test {
 protected:
  void SetUp() override {
    Capture loading;
    build_tunnel_table(loading.console(), table);
    Capture capture(speed_setting);
    TunnelEffect{.table = table}.play(capture.console());
    units_waited = capture.delay_units();
    show = capture.bytes();
  }

  std::string_view frame(int f) const {
    return testing::frame_of(show, f, TUNNEL_FRAME_BYTES);
  }
  // Row r (1 = top) of a tunnel frame, whose rows 1 to 49 end in LF alone.
  std::string_view row(int f, int r) const {
    return frame(f).substr(static_cast<std::size_t>(r - 1) * (FRAME_WIDTH + 1), FRAME_WIDTH);
  }

  Cell speed_setting = 86;
  TunnelTable table{};
  std::string show;
  int units_waited = 0;
};

TEST_F(TunnelPlayed, FrameZeroRowOneAsTheFirstStepLeavesIt) {
  EXPECT_EQ(row(0, 1), std::string(6, ' ') + std::string(20, '#') + std::string(22, ' ') +
                           std::string(22, '#') + std::string(23, ' ') + std::string(7, '#'));
}

TEST_F(TunnelPlayed, RowsEndInLfAndOnlyTheLastInCrLf) {
  ASSERT_EQ(show.size(), 757'650U);
  for (int f = 0; f < TUNNEL_FRAMES; ++f) {
    const std::string_view bytes = frame(f);
    ASSERT_EQ(std::ranges::count(bytes, '\n'), FRAME_HEIGHT) << "frame " << f;
    ASSERT_EQ(bytes.find('\r'), bytes.size() - 2) << "frame " << f;
    for (int r = 1; r < FRAME_HEIGHT; ++r) {
      ASSERT_EQ(bytes[r * (FRAME_WIDTH + 1) - 1], '\n') << "frame " << f << ", row " << r;
    }
  }
  EXPECT_EQ(frame(0).substr(TUNNEL_FRAME_BYTES - 3), "#\r\n");
}

TEST_F(TunnelPlayed, EveryFrameShowsTheCheckerboardSteppedOncePerFrame) {
  for (int f = 0; f < 6; ++f) {
    for (int y = 1; y <= FRAME_HEIGHT; ++y) {
      for (int x = 1; x <= FRAME_WIDTH; ++x) {
        ASSERT_EQ(row(f, y)[x - 1], expected_char(x, y, f + 1))
            << "frame " << f << " at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST_F(TunnelPlayed, RepeatsEverySixFramesAndFrameFiveShowsTheTableAsBuilt) {
  for (int f = 0; f + 6 < TUNNEL_FRAMES; ++f) {
    ASSERT_TRUE(frame(f) == frame(f + 6)) << "frame " << f;
  }
  for (int y = 1; y <= FRAME_HEIGHT; ++y) {
    for (int x = 1; x <= FRAME_WIDTH; ++x) {
      ASSERT_EQ(row(5, y)[x - 1], tunnel_cell(x, y).shade == 2 ? '#' : ' ')
          << "(" << x << ", " << y << ")";
    }
  }
}

TEST_F(TunnelPlayed, ClearsTheWholeTableWhenItEnds) {
  EXPECT_TRUE(std::ranges::all_of(table, [](const TunnelCell& c) {
    return c.shade == 0 && c.depth_phase == 0 && c.angle_phase == 0 && c.out_char == 0;
  }));
}

TEST_F(TunnelPlayed, WaitsOnceAfterEveryFrame) {
  EXPECT_EQ(units_waited, TUNNEL_FRAMES * 86);
}

}  // namespace
}  // namespace textshow
