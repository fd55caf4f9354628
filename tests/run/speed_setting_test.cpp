#include <gtest/gtest.h>

#include <cstdio>

#include "run/speed_setting.hpp"

namespace textshow {
namespace {

struct SpeedCase {
  int byte_read;
  Cell speed_setting;
};

constexpr SpeedCase SPEED_CASES[] = {
    {'A', 0},  {'B', 1}, {'Z', 25},   {'a', 32},  {'0', 239},
    {64, 255}, {0, 191}, {EOF, 190},  {151, 86}, {193, 128},
};

TEST(SpeedSetting, IsTheByteMinus65Modulo256) {
  for (const auto& c : SPEED_CASES) {
    EXPECT_EQ(speed_setting_from(c.byte_read), c.speed_setting) << "byte " << c.byte_read;
  }
}

}  // namespace
}  // namespace textshow
