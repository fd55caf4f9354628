#include "memory_sink.hpp"

#include <array>
#include <stdexcept>

namespace textshow::bench {

namespace {

// The marquee, the longest stage, writes 1,428,000 bytes.
constexpr std::size_t SINK_BYTES = std::size_t{2} << 20;
std::array<char, SINK_BYTES> sink_buffer;

}  // namespace

MemorySink::MemorySink()
    : console_{.out = fmemopen(sink_buffer.data(), sink_buffer.size(), "w")} {
  if (console_.out == nullptr) {
    throw std::runtime_error("cannot open a memory stream");
  }
}

MemorySink::~MemorySink() { std::fclose(console_.out); }

void MemorySink::rewind() const { std::rewind(console_.out); }

std::size_t MemorySink::bytes_written() const {
  return static_cast<std::size_t>(std::ftell(console_.out));
}

}  // namespace textshow::bench
