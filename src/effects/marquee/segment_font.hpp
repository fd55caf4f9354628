#pragma once

#include <array>

#include "run/frame.hpp"

namespace textshow {

// A glyph is drawn with three strokes in a cell of 3 × 3 characters.
inline constexpr int STROKE_BLANK = 1;       // " "
inline constexpr int STROKE_VERTICAL = 2;    // "|"
inline constexpr int STROKE_HORIZONTAL = 3;  // "_"

inline constexpr int GLYPH_ROWS = 3;
inline constexpr int GLYPH_COLUMNS = 3;
inline constexpr int GLYPH_CODE_COUNT = 24;
inline constexpr int BLANK_GLYPH_CODE = 1;

// Nine strokes: the top row first, each row from left to right.
using GlyphPattern = std::array<int, std::size_t{GLYPH_ROWS} * GLYPH_COLUMNS>;

// The patterns of glyph codes 1 to 24, code 1 first.
using SegmentFont = std::array<GlyphPattern, GLYPH_CODE_COUNT>;

// The pattern of a glyph code from 1 to 24; code 1 is all blank.
const GlyphPattern& decode_glyph(int glyph_code);

}  // namespace textshow
