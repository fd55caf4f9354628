// Feeds FrameFeed a stream through a pipe, as textshow-play reads standard
// input: it must bring the same frames as the stream split whole.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "play/frame_feed.hpp"

namespace {

// A pipe holds 64 KiB: a larger input would block the write before the feed
// reads. The corpus keeps inputs smaller (-max_len).
constexpr std::size_t PIPE_CAPACITY = std::size_t{1} << 16;

}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > PIPE_CAPACITY) {
    return 0;
  }
  int ends[2] = {-1, -1};
  if (::pipe(ends) != 0 || ::write(ends[1], data, size) != static_cast<ssize_t>(size)) {
    std::abort();
  }
  ::close(ends[1]);

  textshow::play::FrameFeed feed(ends[0], "fuzz input", false);  // closes ends[0]
  std::vector<textshow::play::Frame> frames;
  while (!feed.ended()) {
    if (feed.has_frame()) {
      frames.push_back(feed.front());
      feed.pop();
    } else {
      feed.read_some();
    }
  }
  const std::string_view stream(reinterpret_cast<const char*>(data), size);
  if (frames != textshow::play::split_frames(stream)) {
    std::abort();
  }
  return 0;
}
