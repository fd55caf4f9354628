#pragma once

#include <string>
#include <vector>

#include "play/frame.hpp"
#include "play/frame_splitter.hpp"

namespace textshow::play {

// The frames to play: all of them from the start, or those that a stream of
// frames has brought so far.
class FrameFeed {
 public:
  // Every frame there is.
  explicit FrameFeed(std::vector<Frame> frames);

  // The frames of the stream `name` that `descriptor` reads; the feed closes it.
  FrameFeed(int descriptor, std::string name);

  ~FrameFeed();
  FrameFeed(const FrameFeed&) = delete;
  FrameFeed& operator=(const FrameFeed&) = delete;

  const std::vector<Frame>& frames() const { return frames_; }
  bool ended() const { return descriptor_ < 0; }

  // The descriptor to wait on for more frames; negative once the stream has ended.
  int descriptor() const { return descriptor_; }

  // Takes what the stream has now, waiting only if it has nothing yet. Throws
  // std::system_error if it cannot be read.
  void read_some();

  void read_all();

 private:
  void close_stream();

  std::vector<Frame> frames_;
  FrameSplitter splitter_;
  int descriptor_ = -1;
  std::string name_;
};

// Opens a stream of frames to read: the file `path`, or standard input for
// "-". Throws std::system_error naming the file if it cannot be read.
int open_stream(const std::string& path);

// Every frame of the show, played in memory through the show's own output
// routine at full speed.
std::vector<Frame> show_frames();

}  // namespace textshow::play
