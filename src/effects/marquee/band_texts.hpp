#pragma once

#include <array>

#include "run/frame.hpp"

namespace textshow {

inline constexpr int GLYPHS_PER_BAND = 25;
inline constexpr int BAND_TEXT_COUNT = 8;

// One line of marquee text: 25 glyph codes, each 1 to 24, from left to right.
using BandText = std::array<int, GLYPHS_PER_BAND>;

// Text 1 to 8; page p of the marquee shows texts 2p - 1 and 2p.
const BandText& band_text(int text_index);

}  // namespace textshow
