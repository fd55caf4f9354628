#include "effects/loading_bar/loading_bar.hpp"

namespace textshow {

namespace {

constexpr Cell BAR_TOP_ROWS = 22;
constexpr Cell BAR_ROWS = 6;
constexpr Cell BAR_BOTTOM_ROWS = 22;

}  // namespace

void draw_loading_bar(const Console& console, Cell rows_left) {
  const auto bar_length = static_cast<Cell>(FRAME_WIDTH - 2 * rows_left);
  console.emit_blank_rows(BAR_TOP_ROWS);
  for (Cell row = 0; row != BAR_ROWS; ++row) {
    console.write_run('#', bar_length);
    console.write_run(' ', static_cast<Cell>(2 * rows_left));
    console.end_row();
  }
  console.emit_blank_rows(BAR_BOTTOM_ROWS);
  console.end_frame();
}

}  // namespace textshow
