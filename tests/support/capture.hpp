#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "run/console.hpp"

namespace textshow::testing {

// A delay unit that waits not at all and only adds one to `tally` each time.
DelayUnit tallying_unit(int& tally);

// Collects in memory what the show writes through its one output routine, and
// counts the delay units its console waits instead of waiting them.
class Capture {
 public:
  explicit Capture(Cell speed_setting = 0);
  ~Capture();
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  const Console& console() const { return console_; }
  std::string bytes();
  int delay_units() const { return delay_units_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  int delay_units_ = 0;
  Console console_;
};

// Frame `index` of a stream of frames of `frame_bytes` each.
std::string_view frame_of(std::string_view stream, std::size_t index,
                          std::size_t frame_bytes = FRAME_BYTES);

// The piece written `times` times over, as a row of a repeating pattern reads.
std::string repeat(std::string_view piece, int times);

// A 64-bit FNV-1a digest: any change to any byte changes it.
std::uint64_t digest_of(std::string_view bytes);

// Row r (1 = top) of a frame whose rows end in CR LF, without its line end.
std::string_view row_of(std::string_view frame, int r);

}  // namespace textshow::testing
