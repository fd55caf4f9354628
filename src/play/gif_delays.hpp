#pragma once

#include <optional>

#include "play/pacer.hpp"

namespace textshow::play {

// The shortest delay that viewers keep: most show a GIF frame of 0 or 1
// hundredths for a tenth of a second, which would slow the show down.
inline constexpr int MIN_GIF_DELAY = 2;

// The delays of a GIF's frames in hundredths of a second, from the times the
// frames are due. Each delay runs from the rounded time its frame is shown
// to the rounded time the next one is, so the rounding never adds up and the
// delays add up to the whole time.
class GifDelays {
 public:
  explicit GifDelays(TimePoint start) : start_(start) {}

  // The delay of a frame that stays until `end`. Nothing if it would stay
  // less than MIN_GIF_DELAY: it is left out and the next frame takes its time.
  std::optional<int> frame_until(TimePoint end);

  // The delay of the last frame, which stays until `end` and is never left out.
  int last_frame_until(TimePoint end);

 private:
  int hundredths(TimePoint at) const;

  TimePoint start_;
  int written_until_ = 0;
};

}  // namespace textshow::play
