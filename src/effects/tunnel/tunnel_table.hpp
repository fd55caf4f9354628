#pragma once

#include <array>
#include <cstdint>

#include "run/console.hpp"

namespace textshow {

// The side of a square of the checkerboard, in units of depth and of angle.
inline constexpr int CHECKER_SIZE = 6;

// Where one screen position lies on the tunnel's checkerboard. A byte a
// field, so that the table fits the work area and the compiler can step many
// records at once.
struct TunnelCell {
  std::uint8_t shade;        // 1 shows a space, 2 a "#"; 0 only in an END_OF_ROW
  std::uint8_t depth_phase;  // (tunnel_depth mod CHECKER_SIZE) + 1, so 1 to CHECKER_SIZE
  std::uint8_t angle_phase;  // (tunnel_angle mod CHECKER_SIZE) + 1
  std::uint8_t out_char;     // the position's character in the frame being written
};

inline constexpr TunnelCell END_OF_ROW{};
inline constexpr int TUNNEL_ROW_RECORDS = FRAME_WIDTH + 1;
inline constexpr int TUNNEL_RECORDS = FRAME_HEIGHT * TUNNEL_ROW_RECORDS;

// In build order: the bottom row first, each row from its right end, each
// followed by its END_OF_ROW. Read backwards, it is the screen in reading order.
using TunnelTable = std::array<TunnelCell, TUNNEL_RECORDS>;

// Tunnel coordinates of screen position x (1..100), y (1..50): a depth that
// falls off with the distance from the centre, 4..201, and an angle about the
// centre, clockwise from the rightward horizontal, 80 units to the turn.
int tunnel_depth(int x, int y);
int tunnel_angle(int x, int y);

// The record of screen position x, y: where it lies on the checkerboard.
TunnelCell tunnel_cell(int x, int y);

// Fills the table a row at a time, showing a loading-bar frame after each row.
void build_tunnel_table(const Console& console, TunnelTable& table);

}  // namespace textshow
