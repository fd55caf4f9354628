#include "play/image_palette.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

TEST(ImagePalette, GivesEachColourAnIndexOnceInTheOrderMet) {
  ImagePalette palette;
  EXPECT_EQ(palette.transparent(), 0);
  EXPECT_EQ(palette.ink(196, INK_LEVELS - 1), 1);
  EXPECT_EQ(palette.ink(21, 0), 2) << "the background";
  EXPECT_EQ(palette.ink(196, 0), 2) << "the background is black whatever the colour";
  EXPECT_EQ(palette.ink(196, INK_LEVELS - 1), 1);
  ASSERT_EQ(palette.colors().size(), 3U);
  EXPECT_EQ(palette.colors()[1], (Rgb{255, 0, 0}));
  EXPECT_EQ(palette.colors()[2], (Rgb{0, 0, 0}));
  EXPECT_EQ(palette.transparent_index(), 0);

  palette.clear();
  EXPECT_EQ(palette.ink(21, 1), 0) << "the next image starts afresh";
  EXPECT_EQ(palette.colors()[0], (Rgb{0, 0, 85}));
  EXPECT_FALSE(palette.transparent_index());
}

TEST(ImagePalette, GivesTheNearestColourOnceTheTableIsFull) {
  ImagePalette palette;
  palette.transparent();
  for (int color = 0; color < GIF_COLORS; ++color) {
    palette.ink(static_cast<std::uint8_t>(color), INK_LEVELS - 1);
  }
  ASSERT_EQ(palette.colors().size(), static_cast<std::size_t>(GIF_COLORS));
  // Red at two thirds, 170,0,0, is none of the full colours; the nearest of
  // them is the cube's 175,0,0.
  const std::uint8_t index = palette.ink(196, 2);
  EXPECT_EQ(palette.colors().size(), static_cast<std::size_t>(GIF_COLORS));
  EXPECT_NE(index, 0) << "never the transparent entry";
  EXPECT_EQ(palette.colors()[index], xterm_rgb(124));
}

}  // namespace
}  // namespace textshow::play
