#pragma once

#include <cstdio>
#include <string>

namespace textshow::play {

// A file written under a temporary name in its own folder and given the name
// asked for only once it is complete, so that a failure leaves no
// half-written file under that name. A name that holds something other than
// a regular file, a device or a pipe, is written directly.
class OutputFile {
 public:
  // Creates the file at once. Throws std::system_error naming `path` if it
  // cannot.
  explicit OutputFile(std::string path);

  // Removes the temporary file of an output that was not committed.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::FILE* stream() const { return file_; }
  const std::string& name() const { return path_; }

  // Makes sure every byte was written, then gives the file its name. Throws
  // std::system_error naming the file if a write failed.
  void commit();

 private:
  [[noreturn]] void fail(int error) const;

  std::string path_;
  std::string target_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
};

}  // namespace textshow::play
