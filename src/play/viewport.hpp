#pragma once

#include <string>

namespace textshow::play {

// Which part of a frame a terminal of `lines` × `columns` shows, and where.
// A terminal large enough shows the whole frame centred; a smaller one shows
// the centre of the frame and keeps its bottom line for a notice.
struct Viewport {
  int screen_row = 0;
  int screen_column = 0;
  int frame_row = 0;
  int frame_column = 0;
  int rows = 0;
  int columns = 0;
  bool notice = false;

  friend bool operator==(const Viewport&, const Viewport&) = default;
};

Viewport fit_frame(int lines, int columns);

// The notice of a terminal too small: the size needed and the size it has,
// shortened to fit in `columns`.
std::string size_notice(int lines, int columns);

}  // namespace textshow::play
