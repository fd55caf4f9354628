#pragma once

#include <fstream>
#include <ostream>
#include <string>

namespace textshow::play {

// A file that a whole output is written to, opened before any input is read
// so that a path that cannot be written is reported at once. A regular file,
// or a name not taken yet, is written to a temporary file in the same folder
// and renamed into place by commit(), so that an output cut short leaves
// nothing under the name the user gave; "-" (standard output), a device, a
// pipe or a symbolic link such as /dev/stdout is written directly.
class OutputFile {
 public:
  // Throws std::system_error naming `path` if it cannot be written.
  explicit OutputFile(std::string path);

  // Removes the temporary file unless commit() put it in place.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& stream() { return *out_; }

  // The output as messages name it.
  std::string name() const;

  // The output is complete: writes out what is buffered and puts the file in
  // place. Throws std::system_error naming the path if anything was not written.
  void commit();

 private:
  std::string path_;
  std::string temporary_path_;  // empty when the path is written directly
  std::ofstream file_;
  std::ostream* out_;
};

}  // namespace textshow::play
