#pragma once

#include "effects/marquee/band_texts.hpp"
#include "run/console.hpp"

namespace textshow {

// Writes a line of text as three rows: each glyph's three characters of the
// row, then a space; 25 glyphs fill the 100 columns.
void draw_band(const Console& console, const BandText& text);

// Writes the three rows of stored text 1 to 8.
void draw_text_band(const Console& console, int text_index);

}  // namespace textshow
