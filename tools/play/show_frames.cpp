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

  void take_frame() {
    if (splitter.has_frame()) {
      frames.push_back(splitter.take_frame());
    }
  }
};

ssize_t collect(void* cookie, const char* bytes, std::size_t size) {
  auto& collector = *static_cast<Collector*>(cookie);
  for (std::string_view rest(bytes, size); !rest.empty();) {
    rest.remove_prefix(collector.splitter.feed(rest));
    collector.take_frame();
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
  collector.splitter.finish();
  collector.take_frame();
  return std::move(collector.frames);
}

}  // namespace textshow::play
