#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "play/frame.hpp"
#include "play/gif_writer.hpp"
#include "play/glyph_atlas.hpp"
#include "play/image_palette.hpp"

namespace textshow::play {

// Draws frames as the images of an animated GIF, each cell a glyph of the
// atlas in its colour on black. An image holds only the rectangle of cells
// that changed since the image before; within it, pixels left as they were
// are transparent where that makes the image smaller.
class GifAnimation {
 public:
  GifAnimation(const GlyphAtlas& atlas, GifWriter& writer);

  // The size of the picture for a frame drawn in `atlas`.
  static int width(const GlyphAtlas& atlas) { return FRAME_WIDTH * atlas.cell_width(); }
  static int height(const GlyphAtlas& atlas) { return FRAME_HEIGHT * atlas.cell_height(); }

  // Adds `frame` to be shown for `delay` hundredths of a second, each cell in
  // its xterm colour from `colors` (row by row), or with `colors` empty in
  // light grey.
  void add(const Frame& frame, std::span<const std::uint8_t> colors, int delay);

 private:
  // A rectangle of cells, its ends excluded.
  struct CellBox {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    bool empty() const { return bottom <= top; }
  };

  // How a cell of the box is drawn: its glyph, the indices of its colour's
  // ink levels and, where pixels that stay as they were are left
  // transparent, the glyph it replaces.
  struct CellDrawing {
    const std::uint8_t* ink = nullptr;
    const std::uint8_t* old_ink = nullptr;
    std::array<std::uint8_t, INK_LEVELS> index{};
    bool same_color = false;
    bool unchanged = false;
  };

  CellBox changed_cells(const Frame& frame, std::span<const std::uint8_t> colors) const;
  void put(const GifImage& image, int delay);
  void put_smaller(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box, int delay);
  GifImage still_image();
  GifImage draw(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box, bool transparent);
  void plan_row(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box, int r,
                bool transparent);
  void draw_glyph_row(int glyph_y, std::uint8_t* out);
  void remember(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box);

  const GlyphAtlas& atlas_;
  GifWriter& writer_;
  ImagePalette palette_;
  std::vector<CellDrawing> row_plan_;
  std::vector<std::uint8_t> pixels_;
  // What the GIF shows so far, cell by cell; nothing before the first image.
  std::vector<char> shown_characters_;
  std::vector<std::uint8_t> shown_colors_;
  // Images that could go either way so far, and how the last one tried went.
  int undecided_images_ = 0;
  bool clear_won_ = false;
};

}  // namespace textshow::play
