#include "play/stage_plan.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

void play_nothing(const Console& /*console*/, WorkArea& /*work*/) {}

TEST(StagePlan, FindsTheStageOfEveryFrame) {
  const Stage stages[] = {
      {"slow", 2, 3, play_nothing},
      {"empty", 0, 1, play_nothing},
      {"loading", 3, 0, play_nothing},
  };
  const StagePlan plan(stages);
  ASSERT_EQ(plan.count(), 4) << "the listed stages and one for further frames";
  EXPECT_EQ(plan.listed_frames(), 5);
  const int expected_stage[] = {0, 0, 2, 2, 2, 3, 3};
  for (int frame = 0; frame < 7; ++frame) {
    EXPECT_EQ(plan.stage_of(frame), expected_stage[frame]) << "frame " << frame;
  }
  EXPECT_EQ(plan.stage_of(1'000'000), 3);
  EXPECT_EQ(plan.stage(3).delay_multiplier, 1) << "further frames pass at the base rate";
}

TEST(StagePlan, FollowsTheShowsTable) {
  const StagePlan plan = StagePlan::of_show();
  ASSERT_EQ(plan.count(), SHOW_STAGE_COUNT + 1);
  int first_frame = 0;
  for (int i = 0; i < SHOW_STAGE_COUNT; ++i) {
    const PlannedStage& planned = plan.stage(i);
    EXPECT_EQ(planned.name, SHOW_STAGES[i].name);
    EXPECT_EQ(planned.first_frame, first_frame) << planned.name;
    EXPECT_EQ(planned.delay_multiplier, SHOW_STAGES[i].delay_multiplier) << planned.name;
    first_frame += SHOW_STAGES[i].frames;
  }
}

}  // namespace
}  // namespace textshow::play
