#include "play/stage_range.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

TEST(StageRange, FindsAStageByItsNameInTheSummaryOrItsNumber) {
  const StagePlan plan = StagePlan::of_show();
  struct Case {
    std::string_view name;
    std::optional<int> stage;
  };
  const Case cases[] = {
      {"marquee", 0},    {"stripes", 1},       {"tunnel loading", 2}, {"tunnel", 3},  {"plasma", 5},
      {"twister", 6},    {"further frames", 7}, {"1", 0},             {"7", 6},       {"8", 7},
      {"0", {}},         {"9", {}},            {"Tunnel", {}},        {"tunnel ", {}}, {"", {}},
      {"2nd", {}},       {"-1", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(find_stage(plan, c.name), c.stage) << "'" << c.name << "'";
  }
  EXPECT_EQ(stage_names(plan),
            "marquee, stripes, tunnel loading, tunnel, plasma loading, plasma, twister, further frames");
}

TEST(StageRange, HoldsItsStagesBothEndsIncluded) {
  const StageRange range{.first = 3, .last = 5};
  for (int stage = 0; stage < 8; ++stage) {
    EXPECT_EQ(range.holds(stage), stage >= 3 && stage <= 5) << stage;
    EXPECT_EQ(range.passed(stage), stage > 5) << stage;
  }
  EXPECT_TRUE(StageRange{}.holds(0));
  EXPECT_TRUE(StageRange{}.holds(1'000'000));
}

}  // namespace
}  // namespace textshow::play
