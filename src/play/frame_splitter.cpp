#include "play/frame_splitter.hpp"

#include <utility>

namespace textshow::play {

namespace {

constexpr char UNPRINTABLE = '?';

bool printable(char c) { return c >= ' ' && c <= '~'; }

}  // namespace

std::size_t FrameSplitter::feed(std::string_view bytes) {
  std::size_t taken = 0;
  while (!complete_ && taken < bytes.size()) {
    take(bytes[taken++]);
  }
  return taken;
}

void FrameSplitter::finish() {
  if (!complete_ && frame_begun()) {
    while (!complete_) {
      end_row();
    }
  }
}

Frame FrameSplitter::take_frame() {
  complete_ = false;
  return std::exchange(frame_, Frame());
}

void FrameSplitter::take(char byte) {
  if (byte == '\0') {
    return;
  }
  if (byte == '\n') {
    end_row();
    return;
  }
  if (cr_pending_) {
    append(UNPRINTABLE);
    cr_pending_ = false;
  }
  if (byte == '\r') {
    cr_pending_ = true;
    return;
  }
  append(printable(byte) ? byte : UNPRINTABLE);
}

// A row longer than a frame is wide is cut here, so that a stream without line
// ends cannot grow it without bound.
void FrameSplitter::append(char c) {
  if (row_.size() < FRAME_WIDTH) {
    row_.push_back(c);
  }
}

void FrameSplitter::end_row() {
  frame_.set_row(rows_done_, row_);
  row_.clear();
  cr_pending_ = false;
  if (++rows_done_ == FRAME_HEIGHT) {
    complete_ = true;
    rows_done_ = 0;
  }
}

bool FrameSplitter::frame_begun() const { return rows_done_ != 0 || !row_.empty() || cr_pending_; }

std::vector<Frame> split_frames(std::string_view stream) {
  FrameSplitter splitter;
  std::vector<Frame> frames;
  for (bool ended = false; !ended;) {
    stream.remove_prefix(splitter.feed(stream));
    if (stream.empty() && !splitter.has_frame()) {
      splitter.finish();
      ended = true;
    }
    if (splitter.has_frame()) {
      frames.push_back(splitter.take_frame());
    }
  }
  return frames;
}

}  // namespace textshow::play
