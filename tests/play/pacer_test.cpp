#include "play/pacer.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using std::chrono::seconds;

TEST(FrameDuration, KeepsTheShowsRhythmAtEveryRate) {
  struct Case {
    int fps;
    int multiplier;
    Duration stay;
  };
  const Case cases[] = {
      {25, 1, milliseconds(40)},  {25, 3, milliseconds(120)}, {25, 2, milliseconds(80)},
      {25, 0, milliseconds(40)},  {1, 3, seconds(3)},         {1000, 1, milliseconds(1)},
      {3, 1, nanoseconds(333'333'333)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(frame_duration(c.fps, c.multiplier), c.stay) << c.fps << " fps, multiplier " << int{c.multiplier};
  }
}

TEST(Fps, StepsFinelyWhenSlowAndStaysInRange) {
  struct Case {
    int fps;
    int faster;
    int slower;
  };
  const Case cases[] = {
      {MIN_FPS, 2, MIN_FPS}, {4, 5, 3}, {5, 10, 4}, {25, 30, 20}, {MAX_FPS - 2, MAX_FPS, MAX_FPS - 7},
      {MAX_FPS, MAX_FPS, MAX_FPS - 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(faster_fps(c.fps), c.faster) << "faster than " << c.fps;
    EXPECT_EQ(slower_fps(c.fps), c.slower) << "slower than " << c.fps;
  }
}

TEST(Pacer, SmallDelaysDoNotAddUp) {
  const TimePoint start{};
  Pacer pacer(25, start);
  for (int frame = 0; frame < 100; ++frame) {
    pacer.frame_shown(pacer.due() + milliseconds(frame % 7), 1);  // each shown a little late
  }
  EXPECT_EQ(pacer.due(), start + seconds(4)) << "100 frames at 25 fps";
}

TEST(Pacer, CountsFromNowAfterALongDelay) {
  const TimePoint start{};
  Pacer pacer(25, start);
  pacer.frame_shown(start, 3);
  EXPECT_EQ(pacer.due(), start + milliseconds(120));
  const TimePoint late = start + seconds(5);
  pacer.frame_shown(late, 1);
  EXPECT_EQ(pacer.due(), late + milliseconds(40)) << "no burst of frames to catch up";
}

TEST(Pacer, WaitsOnlyUntilTheFrameIsDue) {
  const TimePoint start{};
  Pacer pacer(10, start);
  pacer.frame_shown(start, 2);
  EXPECT_EQ(pacer.wait_from(start + milliseconds(50)), milliseconds(150));
  EXPECT_EQ(pacer.wait_from(start + seconds(1)), Duration::zero());
  pacer.set_fps(20);
  pacer.frame_shown(pacer.due(), 1);
  EXPECT_EQ(pacer.due(), start + milliseconds(250)) << "a new rate counts from the next frame";
  pacer.restart(start + seconds(9));
  EXPECT_EQ(pacer.wait_from(start + seconds(9)), Duration::zero());
}

}  // namespace
}  // namespace textshow::play
