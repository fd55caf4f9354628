#pragma once

#include <ostream>
#include <string_view>

#include "play/pacer.hpp"

namespace textshow::play {

// Writes a terminal recording in asciicast version 2: a header line, then one
// line [time, "o", data] for each piece of output.
class AsciicastWriter {
 public:
  // Writes the header for a terminal of `width` columns by `height` rows.
  AsciicastWriter(std::ostream& out, int width, int height);

  // Output `data` at `at` seconds from the start; times must not decrease.
  void output(Duration at, std::string_view data);

 private:
  std::ostream& out_;
};

}  // namespace textshow::play
