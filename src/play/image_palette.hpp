#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "play/glyph_atlas.hpp"
#include "play/gif_writer.hpp"

namespace textshow::play {

// The colours of one GIF image, given out in the order the image meets them:
// glyph ink of an xterm colour at an ink level blended over the black
// background, and an entry for transparent pixels.
class ImagePalette {
 public:
  ImagePalette();

  // Starts the next image with no colours.
  void clear();

  // The index of ink of `color` at `level`; level 0 is the background. Once
  // the table is full, the nearest colour in it.
  std::uint8_t ink(std::uint8_t color, int level);

  // The index of a pixel left as the image before it drew it.
  std::uint8_t transparent();

  std::span<const Rgb> colors() const { return colors_; }
  std::optional<int> transparent_index() const { return transparent_; }

 private:
  static constexpr int KEYS = (GIF_COLORS * INK_LEVELS) + 1;
  static constexpr int TRANSPARENT_KEY = KEYS - 1;
  static constexpr std::int16_t NONE = -1;

  std::uint8_t index_of(int key);
  std::uint8_t add(int key);

  std::array<std::int16_t, KEYS> index_of_key_{};
  std::vector<int> keys_;
  std::vector<Rgb> colors_;
  std::optional<int> transparent_;
};

}  // namespace textshow::play
