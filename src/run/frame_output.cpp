#include "run/console.hpp"

namespace textshow {

void Console::write_run(char c, Cell n) const {
  for (; n != 0; --n) {
    put(c);
  }
}

void Console::end_row() const {
  put('\r');
  put('\n');
}

void Console::emit_blank_rows(Cell n) const {
  for (; n != 0; --n) {
    write_run(' ', FRAME_WIDTH);
    end_row();
  }
}

}  // namespace textshow
