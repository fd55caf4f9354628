#include "effects/tunnel/tunnel_effect.hpp"

namespace textshow {

namespace {

constexpr int SHADE_SPACE = 1;
constexpr int SHADE_INK = 2;

// One depth unit outward and one angle unit clockwise; crossing a square's
// edge in either direction changes its colour, crossing both at once keeps it.
// Written as selections and sums rather than branches, so that the compiler
// steps many records at once: the branches made this step cost more than
// writing the frame did.
void advance_tunnel(TunnelCell& cell) {
  const bool depth_wraps = cell.depth_phase == CHECKER_SIZE;
  const bool angle_wraps = cell.angle_phase == 1;
  cell.depth_phase = depth_wraps ? 1 : cell.depth_phase + 1;
  cell.angle_phase = angle_wraps ? CHECKER_SIZE : cell.angle_phase - 1;
  const bool flips = depth_wraps != angle_wraps;
  cell.shade = flips ? SHADE_SPACE + SHADE_INK - cell.shade : cell.shade;
  cell.out_char = ' ' + 3 * (cell.shade - SHADE_SPACE);  // a space for shade 1, "#" for 2
}

void advance_table(TunnelTable& table) {
  for (TunnelCell& record : table) {
    if (record.shade == 0) {
      record.out_char = '\n';
    } else {
      advance_tunnel(record);
    }
  }
}

// Backwards through the table is forwards through the screen; the LF of each
// row's END_OF_ROW ends the row above it, and the last row gets CR LF.
void write_tunnel_frame(const Console& console, TunnelTable& table) {
  table.back().out_char = 0;
  for (auto record = table.rbegin() + 1; record != table.rend(); ++record) {
    console.put(static_cast<char>(record->out_char));
    record->out_char = 0;
  }
  console.end_row();
}

}  // namespace

void TunnelEffect::play(const Console& console) {
  for (; frame_counter != 0; --frame_counter) {
    advance_table(table);
    write_tunnel_frame(console, table);
    console.end_frame();
  }
  table = {};
}

}  // namespace textshow
