#include "play/frame_splitter.hpp"

namespace textshow::play {

namespace {

constexpr char UNPRINTABLE = '?';

bool printable(char c) { return c >= ' ' && c <= '~'; }

}  // namespace

std::vector<Frame> FrameSplitter::feed(std::string_view bytes) {
  std::vector<Frame> frames;
  for (const char byte : bytes) {
    take(byte, frames);
  }
  return frames;
}

std::vector<Frame> FrameSplitter::finish() {
  std::vector<Frame> frames;
  if (frame_begun()) {
    do {
      end_row(frames);
    } while (rows_done_ != 0);
  }
  return frames;
}

void FrameSplitter::take(char byte, std::vector<Frame>& frames) {
  if (byte == '\0') {
    return;
  }
  if (byte == '\n') {
    end_row(frames);
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

void FrameSplitter::end_row(std::vector<Frame>& frames) {
  frame_.set_row(rows_done_, row_);
  row_.clear();
  cr_pending_ = false;
  if (++rows_done_ == FRAME_HEIGHT) {
    frames.push_back(frame_);
    rows_done_ = 0;
  }
}

bool FrameSplitter::frame_begun() const { return rows_done_ != 0 || !row_.empty() || cr_pending_; }

std::vector<Frame> split_frames(std::string_view stream) {
  FrameSplitter splitter;
  std::vector<Frame> frames = splitter.feed(stream);
  for (Frame& last : splitter.finish()) {
    frames.push_back(std::move(last));
  }
  return frames;
}

}  // namespace textshow::play
