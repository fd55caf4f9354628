#pragma once

#include <string>
#include <string_view>

#include "run/frame.hpp"

namespace textshow::play {

// One picture as the player keeps it: FRAME_HEIGHT rows of exactly FRAME_WIDTH
// printable characters, without line ends.
class Frame {
 public:
  Frame();

  // Row r, counted from 0 at the top.
  std::string_view row(int r) const;

  // Sets row r to `text`, cut or padded with spaces to FRAME_WIDTH.
  void set_row(int r, std::string_view text);

  friend bool operator==(const Frame&, const Frame&) = default;

 private:
  std::string cells_;
};

}  // namespace textshow::play
