#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/pacer.hpp"
#include "play/stage_plan.hpp"
#include "play/stage_range.hpp"

namespace textshow::play {

// What each stage got on the screen: frames shown and the time they stayed,
// the time of a pause left out.
class ShowTally {
 public:
  explicit ShowTally(int stage_count);

  void frame_shown(int stage, TimePoint now);
  void pause(TimePoint now) { close(now); }
  void resume(TimePoint now);
  void finish(TimePoint now) { close(now); }

  int frames(int stage) const { return frames_[index(stage)]; }
  Duration time(int stage) const { return times_[index(stage)]; }

 private:
  static std::size_t index(int stage) { return static_cast<std::size_t>(stage); }
  void close(TimePoint now);

  std::vector<int> frames_;
  std::vector<Duration> times_;
  std::optional<int> current_stage_;
  std::optional<TimePoint> since_;
};

// The step that live play and recording alike take when frame `frame` (from
// 0) goes on the screen at `now`, so that both keep the same time: the frame
// counts for its stage in the tally, and the next frame falls due after the
// stage's multiplier of frame times. Returns the frame's stage.
int frame_shown(const StagePlan& plan, int frame, TimePoint now, ShowTally& tally, Pacer& pacer);

// One line for each stage of the plan ("stripes  100 frames  4.00 s  25.0 fps"),
// and for the stage of further frames only if it showed any.
std::vector<std::string> summary_lines(const ShowTally& tally, const StagePlan& plan);

// Writes the summary lines of `stages` (every stage unless given) to standard
// error, apart from whatever goes to standard output (a recording, with
// --record -). Throws std::system_error if they cannot be written.
void report_summary(const ShowTally& tally, const StagePlan& plan, const StageRange& stages = {});

}  // namespace textshow::play
