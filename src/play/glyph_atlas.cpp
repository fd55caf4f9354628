#include "play/glyph_atlas.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace textshow::play {

namespace {

constexpr char FIRST_CHARACTER = ' ';
constexpr char LAST_CHARACTER = '~';
constexpr char UNKNOWN_CHARACTER = '?';
constexpr int CHARACTER_COUNT = LAST_CHARACTER - FIRST_CHARACTER + 1;

// FreeType's measures are in 64ths of a pixel.
constexpr long SUBPIXELS = 64;
int whole_pixels_up(long subpixels) { return static_cast<int>((subpixels + SUBPIXELS - 1) / SUBPIXELS); }

struct LibraryDone {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDone {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using Library = std::unique_ptr<FT_LibraryRec_, LibraryDone>;
using Face = std::unique_ptr<FT_FaceRec_, FaceDone>;

// A bitmap FreeType allocates and this side frees.
class Bitmap {
 public:
  explicit Bitmap(FT_Library library) : library_(library) { FT_Bitmap_Init(&bitmap_); }
  ~Bitmap() { FT_Bitmap_Done(library_, &bitmap_); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  FT_Bitmap* get() { return &bitmap_; }

 private:
  FT_Library library_;
  FT_Bitmap bitmap_{};
};

std::runtime_error unusable(const std::string& font_file, const std::string& why) {
  return std::runtime_error("cannot use font " + font_file + ": " + why);
}

void check_readable(const std::string& font_file) {
  std::FILE* file = std::fopen(font_file.c_str(), "rb");
  if (file == nullptr) {
    throw std::system_error(errno, std::generic_category(), "cannot read font " + font_file);
  }
  std::fclose(file);
}

Face open_face(FT_Library library, const std::string& font_file, int pixel_size) {
  check_readable(font_file);
  FT_Face face = nullptr;
  if (FT_New_Face(library, font_file.c_str(), 0, &face) != 0) {
    throw unusable(font_file, "not a font FreeType can read");
  }
  Face owned(face);
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_size)) != 0) {
    throw unusable(font_file, "it has no size " + std::to_string(pixel_size));
  }
  return owned;
}

// The widest advance of the characters, so that a font of uneven widths
// still gives every character a cell of its own.
int widest_advance(FT_Face face) {
  long widest = 0;
  for (char c = FIRST_CHARACTER; c <= LAST_CHARACTER; ++c) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT) == 0) {
      widest = std::max(widest, face->glyph->advance.x);
    }
  }
  return whole_pixels_up(widest);
}

std::uint8_t ink_level(unsigned value, unsigned grays) {
  const unsigned top = std::max(grays, 2U) - 1;
  return static_cast<std::uint8_t>(((value * (INK_LEVELS - 1)) + (top / 2)) / top);
}

// Renders `c` into `gray` as one byte a pixel; false if the font cannot.
bool render_glyph(FT_Library library, FT_Face face, FT_ULong c, Bitmap& gray) {
  // Hinted as for a screen without grey, so that the strokes sit on whole
  // pixels, then drawn with grey edges: crisp at small sizes, and with fewer
  // grey pixels the images come out smaller (3 in 100 for the show).
  return FT_Load_Char(face, c, FT_LOAD_TARGET_MONO) == 0 &&
         FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0 &&
         FT_Bitmap_Convert(library, &face->glyph->bitmap, gray.get(), 1) == 0;
}

// A cell of the atlas: `width` × `height` ink levels from `ink`.
struct CellInk {
  std::uint8_t* ink;
  int width;
  int height;
};

// Copies the ink of `bitmap`, its top-left corner at (left, top) of the cell,
// as far as the cell reaches.
void copy_ink(const FT_Bitmap& bitmap, int left, int top, CellInk cell) {
  for (int by = 0; by < static_cast<int>(bitmap.rows); ++by) {
    const int y = top + by;
    for (int bx = 0; bx < static_cast<int>(bitmap.width); ++bx) {
      const int x = left + bx;
      if (y >= 0 && y < cell.height && x >= 0 && x < cell.width) {
        const unsigned value = bitmap.buffer[(by * bitmap.pitch) + bx];
        cell.ink[(y * cell.width) + x] = ink_level(value, bitmap.num_grays);
      }
    }
  }
}

}  // namespace

GlyphAtlas::GlyphAtlas(const std::string& font_file, int pixel_size) {
  FT_Library raw_library = nullptr;
  if (FT_Init_FreeType(&raw_library) != 0) {
    throw std::runtime_error("cannot start FreeType");
  }
  const Library library(raw_library);
  const Face face = open_face(library.get(), font_file, pixel_size);
  const int baseline = whole_pixels_up(face->size->metrics.ascender);
  cell_width_ = std::max(widest_advance(face.get()), 1);
  cell_height_ = std::max(baseline + whole_pixels_up(-face->size->metrics.descender), 1);
  const int cell_size = cell_width_ * cell_height_;
  ink_.assign(static_cast<std::size_t>(cell_size) * CHARACTER_COUNT, 0);
  for (int index = 0; index < CHARACTER_COUNT; ++index) {
    Bitmap gray(library.get());
    if (!render_glyph(library.get(), face.get(), static_cast<FT_ULong>(FIRST_CHARACTER) + static_cast<FT_ULong>(index), gray)) {
      continue;  // a glyph the font cannot draw stays blank
    }
    const FT_GlyphSlotRec_* slot = face->glyph;
    const int left = slot->bitmap_left + ((cell_width_ - whole_pixels_up(slot->advance.x)) / 2);
    std::uint8_t* cell = ink_.data() + (static_cast<std::ptrdiff_t>(index) * cell_size);
    copy_ink(*gray.get(), left, baseline - slot->bitmap_top, {cell, cell_width_, cell_height_});
  }
}

std::span<const std::uint8_t> GlyphAtlas::glyph(char c) const {
  const char shown = c >= FIRST_CHARACTER && c <= LAST_CHARACTER ? c : UNKNOWN_CHARACTER;
  const auto size = static_cast<std::size_t>(cell_width_) * static_cast<std::size_t>(cell_height_);
  return std::span(ink_).subspan(static_cast<std::size_t>(shown - FIRST_CHARACTER) * size, size);
}

}  // namespace textshow::play
