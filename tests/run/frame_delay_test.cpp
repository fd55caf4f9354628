#include <gtest/gtest.h>

#include "support/capture.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::delay_units_counted;

struct DelayCase {
  Cell speed_setting;
  Cell multiplier;
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
    delay_units_counted = 0;
    capture.console().frame_delay(c.multiplier);
    EXPECT_EQ(delay_units_counted, c.units)
        << "speed setting " << int{c.speed_setting} << ", multiplier " << int{c.multiplier};
    EXPECT_TRUE(capture.bytes().empty()) << "the wait must write nothing";
  }
}

TEST(FrameDelay, TheRealUnitIsTheDefault) {
  const Console console;
  EXPECT_EQ(console.delay_unit, DELAY_UNIT);
}

}  // namespace
}  // namespace textshow
