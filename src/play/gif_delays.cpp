#include "play/gif_delays.hpp"

namespace textshow::play {

namespace {

using Hundredths = std::chrono::duration<int, std::centi>;

}  // namespace

std::optional<int> GifDelays::frame_until(TimePoint end) {
  const int delay = hundredths(end) - written_until_;
  if (delay < MIN_GIF_DELAY) {
    return std::nullopt;
  }
  written_until_ += delay;
  return delay;
}

int GifDelays::last_frame_until(TimePoint end) {
  const int delay = hundredths(end) - written_until_;
  written_until_ += delay;
  return delay;
}

int GifDelays::hundredths(TimePoint at) const { return std::chrono::round<Hundredths>(at - start_).count(); }

}  // namespace textshow::play
