#pragma once

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "play/gif_writer.hpp"
#include "play/glyph_atlas.hpp"
#include "play/xterm_colors.hpp"

namespace textshow::play::testing {

// One image of a GIF as giflib reads it back.
struct DecodedImage {
  GifRect rect;
  int delay = 0;
  int transparent = -1;
  std::vector<Rgb> colors;
  std::vector<std::uint8_t> pixels;
};

// A whole GIF as giflib reads it back with DGifSlurp.
struct DecodedGif {
  int width = 0;
  int height = 0;
  bool loops = false;
  std::vector<DecodedImage> images;

  int total_delay() const;
};

// The glyphs of the default font at the default size, drawn once for all tests.
const GlyphAtlas& default_atlas();

// Reads `bytes` as a GIF; throws std::runtime_error with giflib's reason if
// they are not one.
DecodedGif decode_gif(std::string_view bytes);

// The picture after images 0 to `last` were laid one over another, row by row.
std::vector<Rgb> picture_after(const DecodedGif& gif, int last);

// What a GIF writer writes, kept in memory.
class GifOutput {
 public:
  std::ostream& stream() { return out_; }
  std::string bytes() const { return out_.str(); }

 private:
  std::ostringstream out_;
};

}  // namespace textshow::play::testing
