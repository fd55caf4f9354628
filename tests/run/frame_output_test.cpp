#include <gtest/gtest.h>

#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;

TEST(WriteRun, WritesTheCharacterExactlyNTimes) {
  for (const Cell n : {0, 1, 100, 255}) {
    Capture capture;
    capture.console().write_run('#', n);
    EXPECT_EQ(capture.bytes(), std::string(n, '#')) << "n = " << int{n};
  }
}

TEST(EndRow, WritesCarriageReturnThenLineFeed) {
  Capture capture;
  capture.console().end_row();
  EXPECT_EQ(capture.bytes(), "\r\n");
}

TEST(EmitBlankRows, WritesNRowsOfOneHundredSpaces) {
  const std::string blank_row = std::string(FRAME_WIDTH, ' ') + "\r\n";
  for (const Cell n : {0, 1, 19, 22, 50}) {
    Capture capture;
    capture.console().emit_blank_rows(n);
    const std::string bytes = capture.bytes();
    ASSERT_EQ(bytes.size(), n * 102U) << "n = " << int{n};
    for (Cell r = 1; r <= n; ++r) {
      EXPECT_EQ(bytes.substr(std::size_t{r - 1U} * ROW_BYTES, ROW_BYTES), blank_row) << "row " << int{r};
    }
  }
}

TEST(EmitBlankRows, FiftyRowsMakeOneFrame) {
  Capture capture;
  capture.console().emit_blank_rows(FRAME_HEIGHT);
  EXPECT_EQ(capture.bytes().size(), 5100U);
}

}  // namespace
}  // namespace textshow
