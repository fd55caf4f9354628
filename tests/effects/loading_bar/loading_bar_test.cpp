#include "effects/loading_bar/loading_bar.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::row_of;

std::string loading_frame(int rows_left) {
  Capture capture;
  draw_loading_bar(capture.console(), rows_left);
  return capture.bytes();
}

struct BarCase {
  int rows_left;
  int bar_length;
};

// rows_left 50 is the first frame of a loading phase, 1 the last.
constexpr BarCase BAR_CASES[] = {{50, 0}, {49, 2}, {25, 50}, {2, 96}, {1, 98}};

TEST(LoadingBar, ShowsABarOf100MinusTwiceRowsLeftInRows23To28) {
  const std::string blank(FRAME_WIDTH, ' ');
  for (const auto& c : BAR_CASES) {
    const std::string frame = loading_frame(c.rows_left);
    ASSERT_EQ(frame.size(), std::size_t{FRAME_BYTES}) << "rows_left " << c.rows_left;
    const std::string bar =
        std::string(c.bar_length, '#') + std::string(FRAME_WIDTH - c.bar_length, ' ');
    for (int r = 1; r <= FRAME_HEIGHT; ++r) {
      const bool bar_row = r >= 23 && r <= 28;
      EXPECT_EQ(row_of(frame, r), bar_row ? bar : blank)
          << "rows_left " << c.rows_left << ", row " << r;
      EXPECT_EQ(frame.substr(r * ROW_BYTES - 2, 2), "\r\n") << "row " << r;
    }
  }
}

// Its stage gives the console no wait; the bar still ends its frame there,
// where a failed write stops the show.
TEST(LoadingBar, EndsItsFrameWithTheConsolesWait) {
  Capture capture(5);
  draw_loading_bar(capture.console(), 1);
  EXPECT_EQ(capture.delay_units(), 5);
}

}  // namespace
}  // namespace textshow
