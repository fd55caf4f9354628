#include "play/show_tally.hpp"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace textshow::play {

ShowTally::ShowTally(int stage_count)
    : frames_(index(stage_count), 0), times_(index(stage_count), Duration::zero()) {}

void ShowTally::frame_shown(int stage, TimePoint now) {
  close(now);
  ++frames_[index(stage)];
  current_stage_ = stage;
  since_ = now;
}

void ShowTally::resume(TimePoint now) {
  if (current_stage_) {
    since_ = now;
  }
}

void ShowTally::close(TimePoint now) {
  if (since_) {
    times_[index(*current_stage_)] += now - *since_;
    since_.reset();
  }
}

int frame_shown(const StagePlan& plan, int frame, TimePoint now, ShowTally& tally, Pacer& pacer) {
  const int stage = plan.stage_of(frame);
  tally.frame_shown(stage, now);
  pacer.frame_shown(now, plan.stage(stage).delay_multiplier);
  return stage;
}

namespace {

// A stage that never stayed on the screen has no rate: "-".
std::string rate_text(int frames, double seconds) {
  if (seconds <= 0) {
    return "-";
  }
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.1f", frames / seconds);
  return rate;
}

std::string summary_line(std::string_view name, int frames, Duration time) {
  const double seconds = std::chrono::duration<double>(time).count();
  char line[128];
  std::snprintf(line, sizeof line, "%-16.*s %5d frames %8.2f s %7s fps", static_cast<int>(name.size()),
                name.data(), frames, seconds, rate_text(frames, seconds).c_str());
  return line;
}

}  // namespace

std::vector<std::string> summary_lines(const ShowTally& tally, const StagePlan& plan) {
  std::vector<std::string> lines;
  const int further = plan.count() - 1;
  for (int stage = 0; stage < plan.count(); ++stage) {
    if (stage != further || tally.frames(stage) > 0) {
      lines.push_back(summary_line(plan.stage(stage).name, tally.frames(stage), tally.time(stage)));
    }
  }
  return lines;
}

void report_summary(const ShowTally& tally, const StagePlan& plan, const StageRange& stages) {
  const std::vector<std::string> lines = summary_lines(tally, plan);
  for (int stage = 0; stage < static_cast<int>(lines.size()); ++stage) {
    if (stages.holds(stage) && std::fprintf(stderr, "%s\n", lines[static_cast<std::size_t>(stage)].c_str()) < 0) {
      throw std::system_error(errno, std::generic_category(), "cannot write the summary");
    }
  }
}

}  // namespace textshow::play
