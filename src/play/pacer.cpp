#include "play/pacer.hpp"

#include <algorithm>

namespace textshow::play {

namespace {

constexpr int FINE_STEPS_BELOW = 5;
constexpr int FINE_STEP = 1;
constexpr int COARSE_STEP = 5;

}  // namespace

Duration frame_duration(int fps, int multiplier) {
  const int units = std::max(multiplier, 1);
  return std::chrono::duration_cast<Duration>(std::chrono::seconds(units)) / fps;
}

int faster_fps(int fps) {
  const int step = fps < FINE_STEPS_BELOW ? FINE_STEP : COARSE_STEP;
  return std::min(fps + step, MAX_FPS);
}

int slower_fps(int fps) {
  const int step = fps <= FINE_STEPS_BELOW ? FINE_STEP : COARSE_STEP;
  return std::max(fps - step, MIN_FPS);
}

Duration Pacer::wait_from(TimePoint now) const { return std::max(due_ - now, Duration::zero()); }

void Pacer::frame_shown(TimePoint now, int multiplier) {
  const Duration stay = frame_duration(fps_, multiplier);
  const TimePoint from = now - due_ > stay ? now : due_;
  due_ = from + stay;
}

}  // namespace textshow::play
