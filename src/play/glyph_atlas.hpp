#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace textshow::play {

// How much ink a pixel of a glyph holds: 0 none, INK_LEVELS - 1 full. Few
// levels keep the anti-aliased edges smooth and the GIF's palette small.
inline constexpr int INK_LEVELS = 4;

inline constexpr int DEFAULT_FONT_SIZE = 9;
inline constexpr int MIN_FONT_SIZE = 6;
inline constexpr int MAX_FONT_SIZE = 72;

// Every character a frame can hold, drawn once from a font by FreeType into a
// cell of the font's size: the ink of each pixel as a level.
class GlyphAtlas {
 public:
  // The glyphs of `font_file` at `pixel_size` pixels to the em. Throws
  // std::runtime_error naming the file if it cannot be read or drawn.
  GlyphAtlas(const std::string& font_file, int pixel_size);

  int cell_width() const { return cell_width_; }
  int cell_height() const { return cell_height_; }

  // The glyph of `c`: cell_height() rows of cell_width() ink levels. A
  // character that a frame cannot hold is drawn as '?', as the frame
  // splitter shows it.
  std::span<const std::uint8_t> glyph(char c) const;

 private:
  int cell_width_ = 0;
  int cell_height_ = 0;
  std::vector<std::uint8_t> ink_;
};

}  // namespace textshow::play
