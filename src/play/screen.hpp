#pragma once

#include <cstdio>
#include <optional>

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

  // The next key pressed, if any; a change of the terminal's size is not a
  // key: the last frame is drawn again to fit.
  std::optional<int> next_key();

  // The descriptor that becomes readable when a key is pressed.
  int key_descriptor() const;

 private:
  std::FILE* keyboard_ = nullptr;
  ::screen* terminal_ = nullptr;
  Frame last_frame_;
};

}  // namespace textshow::play
