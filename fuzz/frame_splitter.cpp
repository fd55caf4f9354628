// Feeds FrameSplitter a stream cut into pieces of a size the input chooses:
// the frames must not depend on the cut, every row must be FRAME_WIDTH
// printable characters, and no more frames may come out than the line ends
// allow.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "play/frame_splitter.hpp"

namespace {

using textshow::FRAME_HEIGHT;
using textshow::FRAME_WIDTH;
using textshow::play::Frame;

bool well_formed(const Frame& frame) {
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    const std::string_view row = frame.row(r);
    if (row.size() != FRAME_WIDTH || !std::ranges::all_of(row, [](char c) { return c >= ' ' && c <= '~'; })) {
      return false;
    }
  }
  return true;
}

}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::size_t piece = 1 + data[0];
  const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);

  textshow::play::FrameSplitter splitter;
  std::vector<Frame> frames;
  for (std::size_t start = 0; start < stream.size(); start += piece) {
    std::string_view bytes = stream.substr(start, piece);
    while (!bytes.empty()) {
      bytes.remove_prefix(splitter.feed(bytes));
      if (splitter.has_frame()) {
        frames.push_back(splitter.take_frame());
      }
    }
  }
  splitter.finish();
  if (splitter.has_frame()) {
    frames.push_back(splitter.take_frame());
  }
  const auto line_ends = static_cast<std::size_t>(std::ranges::count(stream, '\n'));
  if (frames != textshow::play::split_frames(stream) || frames.size() > line_ends / FRAME_HEIGHT + 1 ||
      !std::ranges::all_of(frames, well_formed)) {
    std::abort();
  }
  return 0;
}
