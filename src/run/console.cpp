#include "run/console.hpp"

#include <cerrno>
#include <system_error>

namespace textshow {

// Written through a copy of the console: a byte stored into the stream's buffer
// cannot then change which stream the console names, so the stream is looked up
// once a run instead of once a byte.
void Console::write_run(char c, int n) const {
  const Console console = *this;
  for (; n > 0; --n) {
    console.put(c);
  }
}

void Console::end_row() const {
  put('\r');
  put('\n');
}

void Console::emit_blank_rows(int n) const {
  for (; n > 0; --n) {
    write_run(' ', FRAME_WIDTH);
    end_row();
  }
}

void Console::end_frame() const {
  check_output();
  frame_delay();
}

void Console::frame_delay() const {
  // The count wraps: it is held in a Cell, so (3 × 190) mod 256 = 58 units.
  const auto units = static_cast<Cell>(delay_multiplier * speed_setting);
  for (int n = units; n > 0; --n) {
    delay_unit();
  }
}

// Checked once a frame, not once a byte: the stream remembers a failed write,
// and errno still holds its cause.
void Console::check_output() const {
  if (std::ferror(out) != 0) {
    throw std::system_error(errno, std::generic_category(), "write error");
  }
}

}  // namespace textshow
