#pragma once

#include <csignal>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "play/frame.hpp"
#include "play/frame_splitter.hpp"

namespace textshow::play {

// The frames to play, one after another: all of them held from the start (the
// show played in memory), or those of a stream, read as they are played. Of a
// stream it holds at most MAX_FRAMES_AHEAD frames that have not been taken
// yet; with that many it reads no more until one is taken, so that a stream
// faster than the player waits for it (back-pressure) and no stream, however
// long or fast, makes the feed grow.
class FrameFeed {
 public:
  static constexpr int MAX_FRAMES_AHEAD = 256;
  // At most this many frames of a stream (5 MB, the show's 980 among them) are
  // kept to be played again.
  static constexpr int MAX_FRAMES_KEPT = 1000;

  // Every frame there is, held to be played again and again.
  explicit FrameFeed(std::vector<Frame> frames);

  // The frames of the stream `name` that `descriptor` reads; the feed closes
  // it. With `replayable`, the frames can be played again: a regular file is
  // read again from its start, and of any other stream the first
  // MAX_FRAMES_KEPT frames are kept as they are taken.
  FrameFeed(int descriptor, std::string name, bool replayable);

  ~FrameFeed();
  FrameFeed(const FrameFeed&) = delete;
  FrameFeed& operator=(const FrameFeed&) = delete;

  // Whether the next frame is there to take.
  bool has_frame() const;
  const Frame& front() const;
  void pop();

  // Every frame has been taken and the stream has no more.
  bool ended() const;

  // The descriptor to wait on for more frames; negative while the feed wants
  // none: it holds its most, or the stream has ended.
  int descriptor() const;

  // Takes what the stream has now, as far as there is room, waiting only if
  // it has nothing yet. Throws std::system_error if it cannot be read.
  void read_some();

  // Waits until the stream has something to read or a signal of those that
  // `wait_mask` lets through arrives, and takes what it has.
  void wait_and_read(const sigset_t& wait_mask);

  // Starts again from the first frame; false if there is none to play again.
  bool replay();

  // Whether any frame has come so far: an empty stream plays no frame again.
  bool held_frame() const { return held_frame_; }

  const std::string& name() const { return name_; }

 private:
  void split_pending();
  // Whether it holds its most: MAX_FRAMES_AHEAD frames, or bytes read that
  // wait for room to be split.
  bool full() const;

  std::vector<Frame> kept_;
  std::size_t replay_position_ = 0;
  bool replaying_ = false;
  bool keeping_ = false;
  bool rereadable_ = false;

  std::deque<Frame> ahead_;
  FrameSplitter splitter_;
  std::vector<char> buffer_;
  std::string_view pending_;
  int descriptor_ = -1;
  bool stream_ended_ = true;
  bool held_frame_ = false;
  std::string name_;
};

// Opens a stream of frames to read: the file `path`, or standard input for
// "-". Throws std::system_error naming the file if it cannot be read, and
// std::runtime_error if it is a terminal, whose keys are no stream of frames.
int open_stream(const std::string& path);

// Every frame of the show, played in memory through the show's own output
// routine at full speed.
std::vector<Frame> show_frames();

}  // namespace textshow::play
