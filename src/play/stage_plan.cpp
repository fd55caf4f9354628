#include "play/stage_plan.hpp"

#include <algorithm>
#include <limits>

namespace textshow::play {

namespace {

constexpr std::string_view FURTHER_FRAMES_NAME = "further frames";
constexpr int FURTHER_FRAMES_MULTIPLIER = 1;

}  // namespace

StagePlan::StagePlan(std::span<const Stage> stages) {
  int first_frame = 0;
  for (const Stage& stage : stages) {
    stages_.push_back({std::string(stage.name), first_frame, stage.frames,
                       static_cast<Cell>(stage.delay_multiplier)});
    first_frame += stage.frames;
  }
  stages_.push_back({std::string(FURTHER_FRAMES_NAME), first_frame,
                     std::numeric_limits<int>::max() - first_frame, FURTHER_FRAMES_MULTIPLIER});
}

StagePlan StagePlan::of_show() {
  return StagePlan(std::span(SHOW_STAGES, static_cast<std::size_t>(SHOW_STAGE_COUNT)));
}

int StagePlan::stage_of(int frame) const {
  const auto after = std::upper_bound(
      stages_.begin(), stages_.end(), frame,
      [](int f, const PlannedStage& stage) { return f < stage.first_frame; });
  return static_cast<int>(after - stages_.begin()) - 1;
}

int StagePlan::listed_frames() const { return stages_.back().first_frame; }

}  // namespace textshow::play
