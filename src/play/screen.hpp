#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "play/color_choice.hpp"
#include "play/frame.hpp"
#include "play/frame_scaler.hpp"
#include "play/palette.hpp"

struct screen;

namespace textshow::play {

// The terminal while the show plays on it: frames are drawn in place, keys
// are read from it without waiting, and on destruction it is given back as
// it was. Keys come from the terminal itself, so standard input stays free
// for a stream of frames. A terminal smaller than the frame shows all of it
// scaled down, or with `crop` its centre at 1:1.
class Screen {
 public:
  Screen(ColorMode color, bool crop);
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Draws `frame`, shown in stage `stage` of the show, in the stage's
  // colours to fit the terminal as it is now.
  void draw(const Frame& frame, int stage);

  // A short line shown over the bottom of the frame until it is set again;
  // empty for none.
  void set_status(std::string status);
  const std::string& status() const { return status_; }

  // Gives the terminal back as it was found while the program is stopped
  // (Ctrl-Z).
  void suspend();

  // Takes the terminal again after suspend(), or after the program was
  // stopped and continued, and draws the whole screen anew.
  void resume();

  // The next key pressed, if any; a change of the terminal's size is not a
  // key: the last frame is drawn again to fit.
  std::optional<int> next_key();

  // The descriptor that becomes readable when a key is pressed.
  int key_descriptor() const;

 private:
  void redraw();
  bool draw_cropped(const Frame& frame, int lines, int columns);
  void draw_scaled(const Frame& frame, const ScaledView& view);

  std::FILE* keyboard_ = nullptr;
  ::screen* terminal_ = nullptr;
  ColorDepth depth_ = ColorDepth::MONOCHROME;
  bool crop_ = false;
  Frame last_frame_;
  int last_stage_ = 0;
  FrameColors colors_{};
  ScaledFrame scaled_;
  std::string status_;
};

}  // namespace textshow::play
