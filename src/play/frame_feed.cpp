#include "play/frame_feed.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "run/show.hpp"

namespace textshow::play {

namespace {

constexpr std::size_t READ_SIZE = 1 << 16;
constexpr std::string_view STANDARD_INPUT_NAME = "-";

std::system_error unreadable(int error, const std::string& name) {
  return std::system_error(error, std::generic_category(), "cannot read " + name);
}

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

bool regular_file(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

FrameFeed::FrameFeed(std::vector<Frame> frames)
    : kept_(std::move(frames)), replaying_(true), held_frame_(!kept_.empty()) {}

FrameFeed::FrameFeed(int descriptor, std::string name, bool replayable)
    : buffer_(READ_SIZE), descriptor_(descriptor), stream_ended_(false), name_(std::move(name)) {
  rereadable_ = replayable && regular_file(descriptor_);
  keeping_ = replayable && !rereadable_;
}

FrameFeed::~FrameFeed() {
  if (descriptor_ > STDIN_FILENO) {
    ::close(descriptor_);
  }
}

bool FrameFeed::has_frame() const { return replaying_ ? replay_position_ < kept_.size() : !ahead_.empty(); }

const Frame& FrameFeed::front() const { return replaying_ ? kept_[replay_position_] : ahead_.front(); }

void FrameFeed::pop() {
  if (replaying_) {
    ++replay_position_;
    return;
  }
  if (keeping_ && std::ssize(kept_) < MAX_FRAMES_KEPT) {
    kept_.push_back(std::move(ahead_.front()));
  }
  ahead_.pop_front();
  split_pending();
}

bool FrameFeed::ended() const { return !has_frame() && (replaying_ || stream_ended_); }

int FrameFeed::descriptor() const { return replaying_ || stream_ended_ || full() ? -1 : descriptor_; }

bool FrameFeed::full() const { return std::ssize(ahead_) >= MAX_FRAMES_AHEAD || !pending_.empty(); }

void FrameFeed::read_some() {
  const ssize_t count = ::read(descriptor_, buffer_.data(), buffer_.size());
  if (count > 0) {
    pending_ = std::string_view(buffer_.data(), static_cast<std::size_t>(count));
  } else if (count == 0) {
    splitter_.finish();
    stream_ended_ = true;
  } else if (errno != EINTR) {
    throw unreadable(errno, name_);
  }
  split_pending();
}

void FrameFeed::wait_and_read(const sigset_t& wait_mask) {
  pollfd watched = {.fd = descriptor(), .events = POLLIN, .revents = 0};
  if (watched.fd >= 0 && ::ppoll(&watched, 1, nullptr, &wait_mask) > 0) {
    read_some();
  }
}

// Splits the bytes read but not split yet into frames as far as there is room.
void FrameFeed::split_pending() {
  for (;;) {
    if (splitter_.has_frame()) {
      if (std::ssize(ahead_) >= MAX_FRAMES_AHEAD) {
        return;
      }
      ahead_.push_back(splitter_.take_frame());
      held_frame_ = true;
    }
    if (pending_.empty()) {
      return;
    }
    pending_.remove_prefix(splitter_.feed(pending_));
  }
}

bool FrameFeed::replay() {
  if (!held_frame_) {
    return false;
  }
  if (rereadable_ && ::lseek(descriptor_, 0, SEEK_SET) == 0) {
    ahead_.clear();
    pending_ = {};
    splitter_ = FrameSplitter();
    stream_ended_ = false;
    return true;
  }
  replaying_ = !kept_.empty();
  replay_position_ = 0;
  return replaying_;
}

int open_stream(const std::string& path) {
  const bool standard_input = path == STANDARD_INPUT_NAME;
  const int descriptor = standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    throw unreadable(errno, path);
  }
  struct stat status {};
  const bool directory = ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
  const bool terminal = ::isatty(descriptor) != 0;
  if (directory || terminal) {
    if (!standard_input) {
      ::close(descriptor);
    }
    if (directory) {
      throw unreadable(EISDIR, path);
    }
    throw std::runtime_error(standard_input
                                 ? "standard input is a terminal, not a stream of frames: "
                                   "give one, as in 'printf A | textshow | textshow-play -'"
                                 : path + " is a terminal, not a stream of frames");
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
  collector.splitter.finish();
  collector.take_frame();
  return std::move(collector.frames);
}

}  // namespace textshow::play
