#include "play/gif_animation.hpp"

#include <algorithm>

#include "play/palette.hpp"

namespace textshow::play {

namespace {

constexpr char BLANK = ' ';
constexpr std::size_t CELLS = static_cast<std::size_t>(FRAME_WIDTH) * FRAME_HEIGHT;

// Transparent pixels pay only in long runs. Measured over the whole show in
// colour and without, an image with them came out larger whenever fewer than
// 85 in 100 of its pixels stayed as they were and smaller from 94 on. In
// between it went either way, yet alike from one frame to the next: both
// ways are tried on every fourth such image, and those between follow the
// last result (6 KB more for the show than trying every one, for a quarter
// of the second encodings).
constexpr int OPAQUE_BELOW_PERCENT = 85;
constexpr int TRANSPARENT_FROM_PERCENT = 94;
constexpr int TRY_BOTH_EVERY = 4;
constexpr int PERCENT = 100;

std::size_t cell_at(int r, int c) { return (static_cast<std::size_t>(r) * FRAME_WIDTH) + static_cast<std::size_t>(c); }

std::uint8_t color_at(std::span<const std::uint8_t> colors, std::size_t cell) {
  return colors.empty() ? PLAIN_COLOR : colors[cell];
}

// Two cells look alike if they hold the same character in the same colour; a
// blank shows no ink, so its colour does not count.
bool looks_alike(char a, std::uint8_t a_color, char b, std::uint8_t b_color) {
  return a == b && (a == BLANK || a_color == b_color);
}

}  // namespace

GifAnimation::GifAnimation(const GlyphAtlas& atlas, GifWriter& writer) : atlas_(atlas), writer_(writer) {}

void GifAnimation::add(const Frame& frame, std::span<const std::uint8_t> colors, int delay) {
  const CellBox box = changed_cells(frame, colors);
  if (box.empty()) {
    put(still_image(), delay);
  } else if (shown_characters_.empty()) {
    put(draw(frame, colors, box, false), delay);
  } else {
    put_smaller(frame, colors, box, delay);
  }
  remember(frame, colors, box);
}

void GifAnimation::put(const GifImage& image, int delay) {
  writer_.write(writer_.encode(image), image.transparent, delay);
}

// Writes the box with the pixels that stayed transparent or not, whichever
// is smaller.
void GifAnimation::put_smaller(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box,
                               int delay) {
  const GifImage clear = draw(frame, colors, box, true);
  const auto kept = std::count(clear.pixels.begin(), clear.pixels.end(), *clear.transparent);
  const auto kept_percent = static_cast<int>(kept * PERCENT / static_cast<std::ptrdiff_t>(clear.pixels.size()));
  if (kept_percent >= TRANSPARENT_FROM_PERCENT) {
    put(clear, delay);
  } else if (kept_percent < OPAQUE_BELOW_PERCENT) {
    put(draw(frame, colors, box, false), delay);
  } else if (undecided_images_++ % TRY_BOTH_EVERY != 0) {
    put(clear_won_ ? clear : draw(frame, colors, box, false), delay);
  } else {
    const std::string with_clear = writer_.encode(clear);
    const std::string opaque = writer_.encode(draw(frame, colors, box, false));
    clear_won_ = with_clear.size() < opaque.size();
    if (clear_won_) {
      writer_.write(with_clear, clear.transparent, delay);
    } else {
      writer_.write(opaque, std::nullopt, delay);
    }
  }
}

GifAnimation::CellBox GifAnimation::changed_cells(const Frame& frame, std::span<const std::uint8_t> colors) const {
  if (shown_characters_.empty()) {
    return {.top = 0, .left = 0, .bottom = FRAME_HEIGHT, .right = FRAME_WIDTH};
  }
  CellBox box{.top = FRAME_HEIGHT, .left = FRAME_WIDTH, .bottom = 0, .right = 0};
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    const std::string_view row = frame.row(r);
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      const std::size_t cell = cell_at(r, c);
      if (!looks_alike(row[static_cast<std::size_t>(c)], color_at(colors, cell), shown_characters_[cell],
                       shown_colors_[cell])) {
        box = {std::min(box.top, r), std::min(box.left, c), std::max(box.bottom, r + 1), std::max(box.right, c + 1)};
      }
    }
  }
  return box;
}

// Nothing changed, yet the frame's time must pass: one transparent pixel.
GifImage GifAnimation::still_image() {
  palette_.clear();
  pixels_.assign(1, palette_.transparent());
  return {.rect = {.left = 0, .top = 0, .width = 1, .height = 1},
          .colors = palette_.colors(),
          .transparent = palette_.transparent_index(),
          .pixels = pixels_};
}

GifImage GifAnimation::draw(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box,
                            bool transparent) {
  palette_.clear();
  if (transparent) {
    palette_.transparent();  // first, so that a full table never displaces it
  }
  const int cell_width = atlas_.cell_width();
  const int cell_height = atlas_.cell_height();
  const GifRect rect{.left = box.left * cell_width,
                     .top = box.top * cell_height,
                     .width = (box.right - box.left) * cell_width,
                     .height = (box.bottom - box.top) * cell_height};
  pixels_.resize(static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height));
  std::uint8_t* out = pixels_.data();
  for (int r = box.top; r < box.bottom; ++r) {
    plan_row(frame, colors, box, r, transparent);
    for (int glyph_y = 0; glyph_y < cell_height; ++glyph_y, out += rect.width) {
      draw_glyph_row(glyph_y, out);
    }
  }
  return {.rect = rect, .colors = palette_.colors(), .transparent = palette_.transparent_index(), .pixels = pixels_};
}

// Works out once for row `r` of cells what every pixel row of it needs.
void GifAnimation::plan_row(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box, int r,
                            bool transparent) {
  row_plan_.resize(static_cast<std::size_t>(box.right - box.left));
  const std::string_view row = frame.row(r);
  for (int c = box.left; c < box.right; ++c) {
    CellDrawing& drawing = row_plan_[static_cast<std::size_t>(c - box.left)];
    const std::size_t cell = cell_at(r, c);
    const char character = row[static_cast<std::size_t>(c)];
    const std::uint8_t color = color_at(colors, cell);
    drawing.ink = atlas_.glyph(character).data();
    drawing.index[0] = palette_.ink(color, 0);
    for (int level = 1; level < INK_LEVELS; ++level) {
      drawing.index[static_cast<std::size_t>(level)] = character == BLANK ? 0 : palette_.ink(color, level);
    }
    drawing.old_ink = nullptr;
    drawing.unchanged = false;
    if (transparent) {
      drawing.old_ink = atlas_.glyph(shown_characters_[cell]).data();
      drawing.same_color = color == shown_colors_[cell];
      drawing.unchanged = looks_alike(character, color, shown_characters_[cell], shown_colors_[cell]);
    }
  }
}

// Draws pixel row `glyph_y` of the planned row of cells into `out`.
void GifAnimation::draw_glyph_row(int glyph_y, std::uint8_t* out) {
  const int cell_width = atlas_.cell_width();
  const std::ptrdiff_t offset = static_cast<std::ptrdiff_t>(glyph_y) * cell_width;
  const std::uint8_t clear = palette_.transparent_index().value_or(0);
  for (const CellDrawing& cell : row_plan_) {
    const std::uint8_t* ink = cell.ink + offset;
    if (cell.unchanged) {
      std::fill(out, out + cell_width, clear);
    } else if (cell.old_ink == nullptr) {
      std::transform(ink, ink + cell_width, out, [&cell](std::uint8_t level) { return cell.index[level]; });
    } else {
      const std::uint8_t* old_ink = cell.old_ink + offset;
      for (int x = 0; x < cell_width; ++x) {
        const bool kept = ink[x] == old_ink[x] && (ink[x] == 0 || cell.same_color);
        out[x] = kept ? clear : cell.index[ink[x]];
      }
    }
    out += cell_width;
  }
}

void GifAnimation::remember(const Frame& frame, std::span<const std::uint8_t> colors, const CellBox& box) {
  if (shown_characters_.empty()) {
    shown_characters_.assign(CELLS, BLANK);
    shown_colors_.assign(CELLS, 0);
  }
  for (int r = box.top; r < box.bottom; ++r) {
    const std::string_view row = frame.row(r);
    for (int c = box.left; c < box.right; ++c) {
      const std::size_t cell = cell_at(r, c);
      shown_characters_[cell] = row[static_cast<std::size_t>(c)];
      shown_colors_[cell] = color_at(colors, cell);
    }
  }
}

}  // namespace textshow::play
