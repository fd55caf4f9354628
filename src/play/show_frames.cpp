#include "play/show_frames.hpp"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "play/frame_splitter.hpp"
#include "run/show.hpp"

namespace textshow::play {

namespace {

// The player keeps its own time, so the show's frame wait does nothing.
void skip_delay_unit() {}

struct Collector {
  FrameSplitter splitter;
  std::vector<Frame> frames;
};

ssize_t collect(void* cookie, const char* bytes, std::size_t size) {
  auto& collector = *static_cast<Collector*>(cookie);
  for (Frame& frame : collector.splitter.feed(std::string_view(bytes, size))) {
    collector.frames.push_back(std::move(frame));
  }
  return static_cast<ssize_t>(size);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<Frame> show_frames() {
  Collector collector;
  {
    const std::unique_ptr<std::FILE, FileCloser> out(
        fopencookie(&collector, "w", {.read = nullptr, .write = collect, .seek = nullptr, .close = nullptr}));
    if (!out) {
      throw std::system_error(errno, std::generic_category(), "cannot open a stream in memory");
    }
    const auto work = std::make_unique<WorkArea>();
    play_show(Console{.out = out.get(), .speed_setting = 0, .delay_unit = skip_delay_unit}, *work);
  }
  for (Frame& last : collector.splitter.finish()) {
    collector.frames.push_back(std::move(last));
  }
  return std::move(collector.frames);
}

}  // namespace textshow::play
