#include "play/output_file.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace textshow::play {

namespace {

constexpr std::string_view STANDARD_OUTPUT_NAME = "-";
constexpr mode_t NEW_FILE_MODE = 0666;
constexpr mode_t PERMISSION_BITS = 07777;

std::system_error unwritable(int error, const std::string& path) {
  return std::system_error(error, std::generic_category(), "cannot write " + path);
}

bool written_directly(const std::string& path) {
  struct stat status {};
  return path == STANDARD_OUTPUT_NAME || (::lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode));
}

// The mode the file would get if it were written in place: that of the file
// it replaces, or that of a new file under the umask.
mode_t mode_for(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    return status.st_mode & PERMISSION_BITS;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return NEW_FILE_MODE & ~mask;
}

// Creates an empty file beside `path` and returns its name.
std::string temporary_beside(const std::string& path) {
  const std::filesystem::path target(path);
  std::string hidden(".");
  hidden.append(target.filename().string()).append(".XXXXXX");
  std::string name = (target.parent_path() / hidden).string();
  const int descriptor = ::mkstemp(name.data());
  if (descriptor < 0) {
    throw unwritable(errno, path);
  }
  ::fchmod(descriptor, mode_for(path));
  ::close(descriptor);
  return name;
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)), out_(&file_) {
  if (path_ == STANDARD_OUTPUT_NAME) {
    out_ = &std::cout;
    return;
  }
  if (!written_directly(path_)) {
    temporary_path_ = temporary_beside(path_);
  }
  file_.open(temporary_path_.empty() ? path_ : temporary_path_, std::ios::binary | std::ios::trunc);
  if (!file_) {
    const int error = errno;
    if (!temporary_path_.empty()) {
      std::remove(temporary_path_.c_str());
    }
    throw unwritable(error, path_);
  }
}

std::string OutputFile::name() const { return path_ == STANDARD_OUTPUT_NAME ? "standard output" : path_; }

OutputFile::~OutputFile() {
  if (!temporary_path_.empty()) {
    std::remove(temporary_path_.c_str());
  }
}

void OutputFile::commit() {
  if (*out_) {
    errno = 0;
    out_->flush();
    if (file_.is_open()) {
      file_.close();
    }
  }
  if (!*out_) {
    throw unwritable(errno != 0 ? errno : EIO, name());
  }
  if (!temporary_path_.empty()) {
    if (std::rename(temporary_path_.c_str(), path_.c_str()) != 0) {
      throw unwritable(errno, name());
    }
    temporary_path_.clear();
  }
}

}  // namespace textshow::play
