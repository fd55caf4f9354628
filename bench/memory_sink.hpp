#pragma once

#include <cstddef>
#include <cstdio>

#include "run/console.hpp"

namespace textshow::bench {

// A console that writes into a fixed buffer in memory, large enough for the
// longest stage, so a benchmark measures the show and the stream, not a device.
class MemorySink {
 public:
  MemorySink();
  ~MemorySink();
  MemorySink(const MemorySink&) = delete;
  MemorySink& operator=(const MemorySink&) = delete;

  const Console& console() const { return console_; }

  // Starts writing again at the front of the buffer.
  void rewind() const;

  // How many bytes have been written since the last rewind.
  std::size_t bytes_written() const;

 private:
  Console console_;
};

}  // namespace textshow::bench
