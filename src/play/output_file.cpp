#include "play/output_file.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

namespace textshow::play {

namespace {

constexpr mode_t NEW_FILE_MODE = 0666;

bool is_special(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

// The file that writing `path` reaches, through any symbolic links.
std::string final_target(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// "dir/.name.XXXXXX" beside `target`, as mkstemp wants it.
std::string temporary_pattern(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name + ".XXXXXX";
}

// The mode a file created the ordinary way would get.
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return NEW_FILE_MODE & ~mask;
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  if (is_special(path_)) {
    file_ = std::fopen(path_.c_str(), "wb");
    if (file_ == nullptr) {
      fail(errno);
    }
    return;
  }
  target_ = final_target(path_);
  std::string pattern = temporary_pattern(target_);
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) {
    fail(errno);
  }
  temporary_ = pattern;
  ::fchmod(descriptor, new_file_mode());
  file_ = ::fdopen(descriptor, "wb");
  if (file_ == nullptr) {
    const int error = errno;
    ::close(descriptor);
    fail(error);
  }
}

OutputFile::~OutputFile() {
  if (file_ != nullptr) {
    std::fclose(file_);
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
  }
}

void OutputFile::commit() {
  std::FILE* file = file_;
  file_ = nullptr;
  const bool flushed = std::fflush(file) == 0 && std::ferror(file) == 0;
  const int error = errno;
  if (std::fclose(file) != 0 || !flushed) {
    fail(flushed ? errno : error);
  }
  if (!temporary_.empty()) {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
      fail(errno);
    }
    temporary_.clear();
  }
}

void OutputFile::fail(int error) const {
  throw std::system_error(error, std::generic_category(), "cannot write " + path_);
}

}  // namespace textshow::play
