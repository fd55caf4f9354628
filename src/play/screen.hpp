#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "play/frame.hpp"

struct screen;

namespace textshow::play {

// The terminal while the show plays on it: frames are drawn in place, keys
// are read from it without waiting, and on destruction it is given back as
// it was. Keys come from the terminal itself, so standard input stays free
// for a stream of frames.
class Screen {
 public:
  Screen();
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Draws `frame` to fit the terminal as it is now.
  void draw(const Frame& frame);

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

  std::FILE* keyboard_ = nullptr;
  ::screen* terminal_ = nullptr;
  Frame last_frame_;
  std::string status_;
};

}  // namespace textshow::play
