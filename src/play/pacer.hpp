#pragma once

#include <chrono>

namespace textshow::play {

using Clock = std::chrono::steady_clock;
using Duration = std::chrono::nanoseconds;
using TimePoint = std::chrono::time_point<Clock, Duration>;

inline constexpr int DEFAULT_FPS = 25;
inline constexpr int MIN_FPS = 1;
inline constexpr int MAX_FPS = 1000;

// How long a frame stays: `multiplier` frame times at `fps` frames a second;
// frames that the show does not wait after (multiplier 0) stay one frame time.
Duration frame_duration(int fps, int multiplier);

// The rate one step faster or slower than `fps`, within MIN_FPS and MAX_FPS.
int faster_fps(int fps);
int slower_fps(int fps);

// When each frame is due. The times come from outside, so the arithmetic
// holds for a real clock and for the made-up one of a recording alike.
class Pacer {
 public:
  Pacer(int fps, TimePoint start) : fps_(fps), due_(start) {}

  int fps() const { return fps_; }
  void set_fps(int fps) { fps_ = fps; }

  // When the next frame should be shown.
  TimePoint due() const { return due_; }

  // How long to wait from `now` until the next frame is due.
  Duration wait_from(TimePoint now) const;

  // A frame that stays `multiplier` units was shown at `now`. The next one is
  // due a frame's time after this one was due, so that small delays do not
  // add up; after a longer one (a pause, a slow stream) it counts from `now`.
  void frame_shown(TimePoint now, int multiplier);

  // The next frame is due at once: after a pause or a skip.
  void restart(TimePoint now) { due_ = now; }

 private:
  int fps_;
  TimePoint due_;
};

}  // namespace textshow::play
