#include "play/viewport.hpp"

#include <algorithm>

#include "run/frame.hpp"

namespace textshow::play {

namespace {

constexpr int NOTICE_LINES = 1;

// Where a span of `shown` out of `room` starts when centred.
int centred(int room, int shown) { return (room - shown) / 2; }

}  // namespace

Viewport fit_frame(int lines, int columns) {
  const bool fits = lines >= FRAME_HEIGHT && columns >= FRAME_WIDTH;
  const int frame_lines = fits ? lines : std::max(lines - NOTICE_LINES, 0);
  const int rows = std::min(frame_lines, FRAME_HEIGHT);
  const int shown_columns = std::clamp(columns, 0, FRAME_WIDTH);
  return {
      .screen_row = centred(frame_lines, rows),
      .screen_column = centred(std::max(columns, 0), shown_columns),
      .frame_row = centred(FRAME_HEIGHT, rows),
      .frame_column = centred(FRAME_WIDTH, shown_columns),
      .rows = rows,
      .columns = shown_columns,
      .notice = !fits,
  };
}

std::string size_notice(int lines, int columns) {
  const std::string needed = "needs " + std::to_string(FRAME_WIDTH) + " x " + std::to_string(FRAME_HEIGHT);
  const std::string there = std::to_string(columns) + " x " + std::to_string(lines);
  // From the whole sentence down to the bare size needed, so that even a
  // narrow terminal tells what it lacks; a figure cut short would mislead, so
  // a terminal narrower than the shortest gets none.
  const std::string notices[] = {
      "textshow-play " + needed + ", this terminal is " + there,
      needed + ", this terminal is " + there,
      needed + ", terminal " + there,
      needed,
      std::to_string(FRAME_WIDTH) + "x" + std::to_string(FRAME_HEIGHT),
  };
  for (const std::string& notice : notices) {
    if (std::ssize(notice) <= columns) {
      return notice;
    }
  }
  return "";
}

}  // namespace textshow::play
