#pragma once

#include "run/console.hpp"

namespace textshow {

inline constexpr int LOADING_FRAMES = 50;

// One frame of the loading bar shown while a table is built: a bar of
// 100 − 2 × rows_left "#" in six rows across the middle.
void draw_loading_bar(const Console& console, int rows_left);

}  // namespace textshow
