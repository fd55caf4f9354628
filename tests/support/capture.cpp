#include "support/capture.hpp"

#include <cstdlib>
#include <stdexcept>

namespace textshow::testing {

namespace {

void add_one(void* tally) { ++*static_cast<int*>(tally); }

}  // namespace

DelayUnit tallying_unit(int& tally) { return {add_one, &tally}; }

Capture::Capture(Cell speed_setting)
    : console_{.out = open_memstream(&data_, &size_),
               .speed_setting = speed_setting,
               .delay_unit = tallying_unit(delay_units_)} {
  if (console_.out == nullptr) {
    throw std::runtime_error("cannot open a memory stream");
  }
}

Capture::~Capture() {
  std::fclose(console_.out);
  std::free(data_);
}

std::string Capture::bytes() {
  std::fflush(console_.out);
  return {data_, size_};
}

std::string_view frame_of(std::string_view stream, std::size_t index,
                          std::size_t frame_bytes) {
  return stream.substr(index * frame_bytes, frame_bytes);
}

std::string repeat(std::string_view piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) {
    s += piece;
  }
  return s;
}

std::uint64_t digest_of(std::string_view bytes) {
  std::uint64_t digest = 0xcbf29ce484222325;
  for (const char byte : bytes) {
    digest = (digest ^ static_cast<unsigned char>(byte)) * 0x100000001b3;
  }
  return digest;
}

std::string_view row_of(std::string_view frame, int r) {
  return frame.substr(static_cast<std::size_t>(r - 1) * ROW_BYTES, FRAME_WIDTH);
}

}  // namespace textshow::testing
