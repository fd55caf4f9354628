#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "play/frame.hpp"

namespace textshow::play {

// Cuts a stream of text frames into Frames, however the stream is divided
// into pieces: every FRAME_HEIGHT rows make a frame, a row ends at LF and a CR
// right before the LF is dropped. The byte 0 that ends the show is dropped
// too; any other byte that is not printable shows as '?'. It holds one frame
// at most, and a row's characters past FRAME_WIDTH are dropped as they come,
// so that no stream can make it grow.
class FrameSplitter {
 public:
  // Takes bytes from the front of `bytes` until they run out or complete a
  // frame, and returns how many it took: none while a frame waits to be taken.
  std::size_t feed(std::string_view bytes);

  // The stream has ended: a frame begun but not finished is completed with
  // blank rows so that what arrived can still be seen.
  void finish();

  // Whether a frame is complete and waits to be taken.
  bool has_frame() const { return complete_; }

  // The complete frame; the next one begins.
  Frame take_frame();

 private:
  void take(char byte);
  void append(char c);
  void end_row();
  bool frame_begun() const;

  Frame frame_;
  std::string row_;
  int rows_done_ = 0;
  bool cr_pending_ = false;
  bool complete_ = false;
};

// Every frame of a whole stream, an unfinished last one included.
std::vector<Frame> split_frames(std::string_view stream);

}  // namespace textshow::play
