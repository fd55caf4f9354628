#include "play/show_tally.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

using std::chrono::milliseconds;

const Stage TWO_STAGES[] = {
    {"first", 2, 1, nullptr},
    {"second", 2, 1, nullptr},
};

TEST(ShowTally, CountsEachStagesFramesAndTimeWithoutPauses) {
  const TimePoint start{};
  ShowTally tally(3);
  tally.frame_shown(0, start);
  tally.frame_shown(0, start + milliseconds(100));
  tally.pause(start + milliseconds(150));
  tally.resume(start + milliseconds(5000));
  tally.frame_shown(1, start + milliseconds(5050));
  tally.finish(start + milliseconds(5250));
  EXPECT_EQ(tally.frames(0), 2);
  EXPECT_EQ(tally.time(0), milliseconds(200)) << "the paused 4850 ms left out";
  EXPECT_EQ(tally.frames(1), 1);
  EXPECT_EQ(tally.time(1), milliseconds(200));
  EXPECT_EQ(tally.frames(2), 0);
}

TEST(ShowTally, SummarisesEveryStageAndFurtherFramesOnlyIfShown) {
  const StagePlan plan(TWO_STAGES);
  const TimePoint start{};
  ShowTally tally(plan.count());
  tally.frame_shown(0, start);
  tally.frame_shown(0, start + milliseconds(250));
  tally.finish(start + milliseconds(500));
  EXPECT_EQ(summary_lines(tally, plan),
            (std::vector<std::string>{
                "first                2 frames     0.50 s     4.0 fps",
                "second               0 frames     0.00 s       - fps",
            }));
  tally.frame_shown(2, start + milliseconds(600));
  tally.finish(start + milliseconds(700));
  EXPECT_EQ(summary_lines(tally, plan).back(), "further frames       1 frames     0.10 s    10.0 fps");
}

}  // namespace
}  // namespace textshow::play
