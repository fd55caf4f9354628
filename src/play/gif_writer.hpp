#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "play/xterm_colors.hpp"

struct GifFileType;

namespace textshow::play {

inline constexpr int GIF_COLORS = 256;

// A rectangle of a GIF's picture, in pixels.
struct GifRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One image of an animation: a rectangle of the picture, its own colours and
// its pixels as indices into them, row by row.
struct GifImage {
  GifRect rect;
  std::span<const Rgb> colors;     // 1 to GIF_COLORS of them
  std::optional<int> transparent;  // the index that leaves a pixel as it was
  std::span<const std::uint8_t> pixels;
};

// Writes an animated GIF that loops for ever, one image at a time, each laid
// over the picture that the ones before it left. giflib encodes an image in
// memory first, so that its size is known before it is written.
class GifWriter {
 public:
  // Writes the header of a `width` × `height` animation to `out`; `name`
  // names the file in messages. Throws std::system_error if it cannot.
  GifWriter(std::ostream& out, std::string name, int width, int height);
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // `image` encoded as the GIF holds it, without its delay.
  std::string encode(const GifImage& image);

  // Writes an image as `encode` returned it, with the transparent index it
  // was encoded with, to be shown for `delay` hundredths of a second.
  void write(const std::string& encoded, std::optional<int> transparent, int delay);

  // Ends the GIF. Throws std::system_error if any write failed.
  void finish();

 private:
  void check(bool done);
  void put_out(const std::string& bytes);

  std::ostream& out_;
  std::string name_;
  std::string memory_;
  GifFileType* gif_ = nullptr;
};

}  // namespace textshow::play
