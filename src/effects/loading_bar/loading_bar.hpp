#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr Cell LOADING_FRAMES = 50;
// The table work between two bar frames takes the place of a wait.
inline constexpr Cell LOADING_DELAY_MULTIPLIER = 0;

// One frame of the loading bar shown while a table is built: a bar of
// 100 − 2 × rows_left "#" in six rows across the middle. It never waits.
void draw_loading_bar(const Console& console, Cell rows_left);

}  // namespace textshow
