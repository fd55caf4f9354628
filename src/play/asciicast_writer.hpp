#pragma once

#include <ostream>
#include <string>
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

// `text` as a JSON string, quotes included: quote, backslash and every
// control character escaped, so that any bytes of a frame or of an escape
// sequence survive the trip. UTF-8 text passes as it is; a byte that belongs
// to no UTF-8 character becomes U+FFFD, as JSON text must be UTF-8.
std::string json_string(std::string_view text);

}  // namespace textshow::play
