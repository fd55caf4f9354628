#include "play/frame_feed.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "run/show.hpp"

namespace textshow::play {

namespace {

constexpr std::size_t READ_SIZE = 1 << 16;
constexpr std::string_view STANDARD_INPUT_NAME = "-";

std::system_error unreadable(int error, const std::string& name) {
  return std::system_error(error, std::generic_category(), "cannot read " + name);
}

void append(std::vector<Frame>& frames, std::vector<Frame> more) {
  frames.insert(frames.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// The player keeps its own time, so the show's frame wait does nothing.
void skip_delay_unit() {}

struct Collector {
  FrameSplitter splitter;
  std::vector<Frame> frames;
};

ssize_t collect(void* cookie, const char* bytes, std::size_t size) {
  auto& collector = *static_cast<Collector*>(cookie);
  append(collector.frames, collector.splitter.feed(std::string_view(bytes, size)));
  return static_cast<ssize_t>(size);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

FrameFeed::FrameFeed(std::vector<Frame> frames) : frames_(std::move(frames)) {}

FrameFeed::FrameFeed(int descriptor, std::string name) : descriptor_(descriptor), name_(std::move(name)) {}

FrameFeed::~FrameFeed() { close_stream(); }

void FrameFeed::read_some() {
  std::array<char, READ_SIZE> buffer{};
  const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
  if (count > 0) {
    append(frames_, splitter_.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count))));
  } else if (count == 0) {
    append(frames_, splitter_.finish());
    close_stream();
  } else if (errno != EINTR) {
    throw unreadable(errno, name_);
  }
}

void FrameFeed::read_all() {
  while (!ended()) {
    read_some();
  }
}

void FrameFeed::close_stream() {
  if (descriptor_ > STDIN_FILENO) {
    ::close(descriptor_);
  }
  descriptor_ = -1;
}

int open_stream(const std::string& path) {
  if (path == STANDARD_INPUT_NAME) {
    return STDIN_FILENO;
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    throw unreadable(errno, path);
  }
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(descriptor);
    throw unreadable(EISDIR, path);
  }
  return descriptor;
}

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
  append(collector.frames, collector.splitter.finish());
  return std::move(collector.frames);
}

}  // namespace textshow::play
