#include <gtest/gtest.h>

#include <string>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;

TEST(WriteRun, WritesTheCharacterExactlyNTimes) {
  for (const int n : {0, 1, 100, 255}) {
    Capture capture;
    capture.console().write_run('#', n);
    EXPECT_EQ(capture.bytes(), std::string(n, '#')) << "n = " << n;
  }
}

TEST(EndRow, WritesCarriageReturnThenLineFeed) {
  Capture capture;
  capture.console().end_row();
  EXPECT_EQ(capture.bytes(), "\r\n");
}

TEST(EmitBlankRows, WritesNRowsOfOneHundredSpaces) {
  const std::string blank_row = std::string(FRAME_WIDTH, ' ') + "\r\n";
  for (const int n : {0, 1, 19, 22, 50}) {
    Capture capture;
    capture.console().emit_blank_rows(n);
    const std::string bytes = capture.bytes();
    ASSERT_EQ(bytes.size(), n * 102U) << "n = " << n;
    for (int r = 1; r <= n; ++r) {
      EXPECT_EQ(bytes.substr(std::size_t{r - 1U} * ROW_BYTES, ROW_BYTES), blank_row) << "row " << r;
    }
  }
}

TEST(EmitBlankRows, FiftyRowsMakeOneFrame) {
  Capture capture;
  capture.console().emit_blank_rows(FRAME_HEIGHT);
  EXPECT_EQ(capture.bytes().size(), 5100U);
}

struct DelayCase {
  Cell speed_setting;
  int multiplier;
  int units;
};

// Each effect's multiplier at the speed settings where the count wraps or vanishes.
constexpr DelayCase DELAY_CASES[] = {
    {0, 3, 0},     {0, 1, 0},     {1, 3, 3},     {1, 2, 2},     {1, 1, 1},
    {86, 3, 2},    {86, 2, 172},  {86, 1, 86},   {128, 3, 128}, {128, 2, 0},
    {128, 1, 128}, {190, 3, 58},  {190, 2, 124}, {190, 1, 190}, {255, 1, 255},
    {255, 2, 254}, {255, 3, 253},
};

TEST(FrameDelay, WaitsMultiplierTimesSpeedSettingModulo256Units) {
  for (const auto& c : DELAY_CASES) {
    Capture capture(c.speed_setting);
    Console console = capture.console();
    console.delay_multiplier = c.multiplier;
    console.frame_delay();
    EXPECT_EQ(capture.delay_units(), c.units)
        << "speed setting " << int{c.speed_setting} << ", multiplier " << c.multiplier;
    EXPECT_TRUE(capture.bytes().empty()) << "the wait must write nothing";
  }
}

TEST(FrameDelay, EachConsoleCountsIntoItsOwnTally) {
  Capture first(1);
  Capture second(2);
  first.console().frame_delay();
  second.console().frame_delay();
  const Console copy = second.console();
  copy.frame_delay();
  EXPECT_EQ(first.delay_units(), 1);
  EXPECT_EQ(second.delay_units(), 4) << "a copy of a console counts into the same tally";
}

TEST(FrameDelay, TheRealUnitIsTheDefault) {
  const Console console;
  EXPECT_EQ(console.delay_unit, DELAY_UNIT);
}

}  // namespace
}  // namespace textshow
