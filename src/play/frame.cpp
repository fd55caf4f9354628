#include "play/frame.hpp"

#include <algorithm>

namespace textshow::play {

namespace {

std::size_t row_start(int r) { return static_cast<std::size_t>(r) * FRAME_WIDTH; }

}  // namespace

Frame::Frame() : cells_(static_cast<std::size_t>(FRAME_WIDTH) * FRAME_HEIGHT, ' ') {}

std::string_view Frame::row(int r) const {
  return std::string_view(cells_).substr(row_start(r), FRAME_WIDTH);
}

void Frame::set_row(int r, std::string_view text) {
  const std::string_view kept = text.substr(0, FRAME_WIDTH);
  const auto start = cells_.begin() + static_cast<std::ptrdiff_t>(row_start(r));
  const auto end = std::copy(kept.begin(), kept.end(), start);
  std::fill(end, start + FRAME_WIDTH, ' ');
}

}  // namespace textshow::play
