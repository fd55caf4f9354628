#pragma once

#include <array>
#include <cstdint>

#include "run/console.hpp"

namespace textshow {

inline constexpr int PLASMA_LEVELS = 13;

// A level 1..PLASMA_LEVELS for every screen position, indexed [row][column] from the top left.
// A byte each, so that this table and the tunnel's fit the work area together.
using PlasmaTable = std::array<std::array<std::uint8_t, FRAME_WIDTH>, FRAME_HEIGHT>;

// The level at row Y (1..50) and column X (1..100): two products of row and column waves.
int plasma_level(int row, int column);

// Fills the table a row at a time from the bottom, showing a loading-bar frame after each row.
void build_plasma_table(const Console& console, PlasmaTable& table);

}  // namespace textshow
