#pragma once

#include <span>
#include <string>
#include <vector>

#include "run/show.hpp"

namespace textshow::play {

// A stage as the player paces and counts it: where its frames start in the
// stream and how many units of frame time each of them stays.
struct PlannedStage {
  std::string name;
  int first_frame;
  int frames;
  int delay_multiplier;
};

// The stages of a stream of frames in order, followed by one stage that takes
// any frames past the last, so that every frame belongs to a stage.
class StagePlan {
 public:
  explicit StagePlan(std::span<const Stage> stages);

  // The plan of the show as it is played today.
  static StagePlan of_show();

  int count() const { return static_cast<int>(stages_.size()); }
  const PlannedStage& stage(int index) const { return stages_[static_cast<std::size_t>(index)]; }

  // The index of the stage that frame `frame` (from 0) belongs to.
  int stage_of(int frame) const;

  // The number of frames of the listed stages, without the one for further frames.
  int listed_frames() const;

 private:
  std::vector<PlannedStage> stages_;
};

}  // namespace textshow::play
