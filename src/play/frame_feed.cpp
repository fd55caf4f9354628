#include "play/frame_feed.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace textshow::play {

namespace {

constexpr std::size_t READ_SIZE = 1 << 16;
constexpr std::string_view STANDARD_INPUT_NAME = "-";

std::system_error unreadable(int error, const std::string& name) {
  return std::system_error(error, std::generic_category(), "cannot read " + name);
}

}  // namespace

FrameFeed::FrameFeed(std::vector<Frame> frames) : frames_(std::move(frames)) {}

FrameFeed::FrameFeed(int descriptor, std::string name) : descriptor_(descriptor), name_(std::move(name)) {}

FrameFeed::~FrameFeed() { close_stream(); }

void FrameFeed::read_some() {
  std::array<char, READ_SIZE> buffer{};
  const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
  if (count > 0) {
    take(splitter_.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count))));
  } else if (count == 0) {
    take(splitter_.finish());
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

void FrameFeed::take(std::vector<Frame> more) {
  frames_.insert(frames_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
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

}  // namespace textshow::play
