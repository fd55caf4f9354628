#include "effects/tunnel/tunnel_table.hpp"

#include <cmath>
#include <cstdlib>

#include "effects/loading_bar/loading_bar.hpp"

namespace textshow {

namespace {

constexpr int CENTER_X = 50;
constexpr int CENTER_Y = 25;

}  // namespace

// Within a quadrant the angle follows the slope dy / dx, steeper slopes giving larger angles.
int tunnel_angle(int x, int y) {
  const int dx = std::abs(x - CENTER_X);
  const int dy = std::abs(y - CENTER_Y);
  const int slope_index = 10 * dy / (dx + 1);
  const int quadrant_angle = 41 - 200 / (slope_index + 5);
  const bool right = x > CENTER_X;  // the centre column and row count as left and above
  const bool below = y > CENTER_Y;
  int sector_angle = 0;
  if (below) {
    sector_angle = right ? quadrant_angle : 80 - quadrant_angle;
  } else {
    sector_angle = right ? 160 - quadrant_angle : 80 + quadrant_angle;
  }
  return sector_angle / 2 + 1;
}

int tunnel_depth(int x, int y) {
  const int dx = std::abs(x - CENTER_X);
  const int dy = std::abs(y - CENTER_Y);
  const int squared = (dx + 1) * (dx + 1) + (dy + 1) * (dy + 1);
  const auto radius = static_cast<int>(std::sqrt(squared));  // exact for these sizes
  return 200 / radius + 1;
}

TunnelCell tunnel_cell(int x, int y) {
  const int depth = tunnel_depth(x, y);
  const int angle = tunnel_angle(x, y);
  return {
      .shade = static_cast<std::uint8_t>(1 + (depth / CHECKER_SIZE + angle / CHECKER_SIZE) % 2),
      .depth_phase = static_cast<std::uint8_t>(depth % CHECKER_SIZE + 1),
      .angle_phase = static_cast<std::uint8_t>(angle % CHECKER_SIZE + 1),
      .out_char = 0,
  };
}

void build_tunnel_table(const Console& console, TunnelTable& table) {
  TunnelCell* record = table.data();
  for (int rows_left = FRAME_HEIGHT; rows_left != 0; --rows_left) {
    for (int x = FRAME_WIDTH; x >= 1; --x) {
      *record++ = tunnel_cell(x, rows_left);
    }
    *record++ = END_OF_ROW;
    draw_loading_bar(console, rows_left);
  }
}

}  // namespace textshow
