#include "effects/loading_bar/loading_bar.hpp"

namespace textshow {

namespace {

constexpr int BAR_TOP_ROWS = 22;
constexpr int BAR_ROWS = 6;
constexpr int BAR_BOTTOM_ROWS = 22;

}  // namespace

void draw_loading_bar(const Console& console, int rows_left) {
  const int bar_length = FRAME_WIDTH - 2 * rows_left;
  console.emit_blank_rows(BAR_TOP_ROWS);
  for (int row = 0; row != BAR_ROWS; ++row) {
    console.write_run('#', bar_length);
    console.write_run(' ', 2 * rows_left);
    console.end_row();
  }
  console.emit_blank_rows(BAR_BOTTOM_ROWS);
  console.end_frame();
}

}  // namespace textshow
