#include "run/parabolic_wave.hpp"

#include <gtest/gtest.h>

namespace textshow {
namespace {

struct WaveCase {
  int phase;
  int value;
};

constexpr WaveCase WAVE_CASES[] = {
    {1, 21},  {5, 27},  {13, 35}, {20, 39}, {25, 39}, {30, 39}, {37, 35}, {45, 27}, {49, 21},
    {50, 19}, {51, 19}, {53, 16}, {63, 5},  {70, 1},  {75, 1},  {80, 1},  {87, 5},  {97, 16},
    {100, 21},
};

TEST(ParabolicWave, TakesTheListedValues) {
  for (const auto& c : WAVE_CASES) {
    EXPECT_EQ(parabolic_wave(c.phase), c.value) << "phase " << c.phase;
  }
}

TEST(ParabolicWave, SecondHalfMirrorsTheFirst) {
  for (int h = 1; h <= 50; ++h) {
    EXPECT_EQ(parabolic_wave(h + 50), 40 - parabolic_wave(h)) << "phase " << h;
  }
}

TEST(ParabolicWave, StaysWithin1To39) {
  for (int phase = 1; phase <= 100; ++phase) {
    EXPECT_GE(parabolic_wave(phase), 1) << "phase " << phase;
    EXPECT_LE(parabolic_wave(phase), 39) << "phase " << phase;
  }
}

}  // namespace
}  // namespace textshow
