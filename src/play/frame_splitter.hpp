#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "play/frame.hpp"

namespace textshow::play {

// Cuts a stream of text frames into Frames, however the stream is divided
// into pieces: every FRAME_HEIGHT rows make a frame, a row ends at LF and a CR
// right before the LF is dropped. The byte 0 that ends the show is dropped
// too; any other byte that is not printable shows as '?'.
class FrameSplitter {
 public:
  // The frames that the next piece of the stream completes.
  std::vector<Frame> feed(std::string_view bytes);

  // The stream has ended: a frame begun but not finished is completed with
  // blank rows so that what arrived can still be seen.
  std::vector<Frame> finish();

 private:
  void take(char byte, std::vector<Frame>& frames);
  void append(char c);
  void end_row(std::vector<Frame>& frames);
  bool frame_begun() const;

  Frame frame_;
  std::string row_;
  int rows_done_ = 0;
  bool cr_pending_ = false;
};

// Every frame of a whole stream, an unfinished last one included.
std::vector<Frame> split_frames(std::string_view stream);

}  // namespace textshow::play
