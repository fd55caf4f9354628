#include "effects/marquee/text_band.hpp"

#include "effects/marquee/segment_font.hpp"

namespace textshow {

namespace {

char stroke_character(int stroke) {
  switch (stroke) {
    case STROKE_VERTICAL:
      return '|';
    case STROKE_HORIZONTAL:
      return '_';
    default:
      return ' ';
  }
}

void draw_glyph_row(const Console& console, const GlyphPattern& pattern, int row) {
  for (int column = 0; column < GLYPH_COLUMNS; ++column) {
    console.put(stroke_character(pattern[row * GLYPH_COLUMNS + column]));
  }
  console.put(' ');
}

}  // namespace

void draw_band(const Console& console, const BandText& text) {
  for (int row = 0; row < GLYPH_ROWS; ++row) {
    for (const int glyph_code : text) {
      draw_glyph_row(console, decode_glyph(glyph_code), row);
    }
    console.end_row();
  }
}

void draw_text_band(const Console& console, int text_index) {
  draw_band(console, band_text(text_index));
}

}  // namespace textshow
