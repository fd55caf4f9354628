#include "effects/plasma/plasma_table.hpp"

#include "effects/loading_bar/loading_bar.hpp"
#include "run/parabolic_wave.hpp"

namespace textshow {

int plasma_level(int row, int column) {
  const int row_wave = parabolic_wave(4 * (row % 25) + 1);      // period 25 rows
  const int slow_row_wave = parabolic_wave(row + 1);            // half a period over the screen
  const int column_wave = parabolic_wave(3 * (column % 33) + 1);  // period 33 columns
  const int fast_column_wave = parabolic_wave(4 * (column % 25) + 1);  // period 25 columns
  const int first_term = row_wave * column_wave / 13;
  const int second_term = slow_row_wave * fast_column_wave / 13;
  return (first_term + second_term) / 18 + 1;
}

void build_plasma_table(const Console& console, PlasmaTable& table) {
  for (int rows_left = FRAME_HEIGHT; rows_left != 0; --rows_left) {
    auto& levels = table[rows_left - 1];
    for (int column = FRAME_WIDTH; column >= 1; --column) {
      levels[column - 1] = plasma_level(rows_left, column);
    }
    draw_loading_bar(console, rows_left);
  }
}

}  // namespace textshow
