#include "play/image_palette.hpp"

#include <algorithm>
#include <limits>

namespace textshow::play {

namespace {

constexpr int BACKGROUND_KEY = 0;

int key_of(std::uint8_t color, int level) { return level == 0 ? BACKGROUND_KEY : (color * INK_LEVELS) + level; }

// Ink over black: each channel in proportion to the level.
Rgb rgb_of(int key) {
  const Rgb full = xterm_rgb(static_cast<std::uint8_t>(key / INK_LEVELS));
  const int level = key % INK_LEVELS;
  const auto blend = [level](std::uint8_t channel) {
    return static_cast<std::uint8_t>(channel * level / (INK_LEVELS - 1));
  };
  return {blend(full.red), blend(full.green), blend(full.blue)};
}

int distance(Rgb a, Rgb b) {
  const auto square = [](int d) { return d * d; };
  return square(a.red - b.red) + square(a.green - b.green) + square(a.blue - b.blue);
}

}  // namespace

ImagePalette::ImagePalette() { index_of_key_.fill(NONE); }

void ImagePalette::clear() {
  for (const int key : keys_) {
    index_of_key_[static_cast<std::size_t>(key)] = NONE;
  }
  keys_.clear();
  colors_.clear();
  transparent_.reset();
}

std::uint8_t ImagePalette::ink(std::uint8_t color, int level) { return index_of(key_of(color, level)); }

std::uint8_t ImagePalette::transparent() { return index_of(TRANSPARENT_KEY); }

std::uint8_t ImagePalette::index_of(int key) {
  const std::int16_t index = index_of_key_[static_cast<std::size_t>(key)];
  return index != NONE ? static_cast<std::uint8_t>(index) : add(key);
}

std::uint8_t ImagePalette::add(int key) {
  keys_.push_back(key);
  if (static_cast<int>(colors_.size()) < GIF_COLORS) {
    const auto index = static_cast<std::int16_t>(colors_.size());
    index_of_key_[static_cast<std::size_t>(key)] = index;
    // The transparent entry shows nothing; black keeps the table's colours real.
    colors_.push_back(key == TRANSPARENT_KEY ? Rgb{} : rgb_of(key));
    if (key == TRANSPARENT_KEY) {
      transparent_ = index;
    }
    return static_cast<std::uint8_t>(index);
  }
  // A full table: the nearest colour stands in (never the transparent entry).
  const Rgb wanted = rgb_of(key);
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (int i = 0; i < static_cast<int>(colors_.size()); ++i) {
    const int d = distance(colors_[static_cast<std::size_t>(i)], wanted);
    if (i != transparent_ && d < best_distance) {
      best = i;
      best_distance = d;
    }
  }
  index_of_key_[static_cast<std::size_t>(key)] = static_cast<std::int16_t>(best);
  return static_cast<std::uint8_t>(best);
}

}  // namespace textshow::play
