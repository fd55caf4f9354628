#include "play/gif_animation.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "gif_reading.hpp"
#include "play/font_file.hpp"

namespace textshow::play {
namespace {

using testing::DecodedGif;
using testing::decode_gif;
using testing::default_atlas;
using testing::GifOutput;
using testing::picture_after;

constexpr int DELAY = 4;
constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb LIGHT_GREY{229, 229, 229};

struct ColoredFrame {
  Frame frame;
  std::vector<std::uint8_t> colors;  // empty: light grey
};

DecodedGif animate(const std::vector<ColoredFrame>& frames, const GlyphAtlas& atlas = default_atlas()) {
  GifOutput out;
  GifWriter writer(out.stream(), "memory", GifAnimation::width(atlas), GifAnimation::height(atlas));
  GifAnimation animation(atlas, writer);
  for (const ColoredFrame& colored : frames) {
    animation.add(colored.frame, colored.colors, DELAY);
  }
  writer.finish();
  return decode_gif(out.bytes());
}

Frame with_characters(Frame frame, std::initializer_list<std::tuple<int, int, char>> cells) {
  for (const auto& [r, c, character] : cells) {
    std::string row(frame.row(r));
    row[static_cast<std::size_t>(c)] = character;
    frame.set_row(r, row);
  }
  return frame;
}

std::size_t cell_index(int r, int c) {
  return (static_cast<std::size_t>(r) * FRAME_WIDTH) + static_cast<std::size_t>(c);
}

// The pixels of cell (r, c) in a picture of `gif`.
std::vector<Rgb> cell_pixels(const DecodedGif& gif, const std::vector<Rgb>& picture, int r, int c) {
  const int cell_width = gif.width / FRAME_WIDTH;
  const int cell_height = gif.height / FRAME_HEIGHT;
  std::vector<Rgb> pixels;
  for (int y = r * cell_height; y < (r + 1) * cell_height; ++y) {
    for (int x = c * cell_width; x < (c + 1) * cell_width; ++x) {
      pixels.push_back(picture[(static_cast<std::size_t>(y) * static_cast<std::size_t>(gif.width)) +
                               static_cast<std::size_t>(x)]);
    }
  }
  return pixels;
}

bool all_black(const std::vector<Rgb>& pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [](Rgb pixel) { return pixel == BLACK; });
}

// Ink of `full` over black at one of the ink levels.
bool is_ink_of(Rgb pixel, Rgb full) {
  for (int level = 0; level < INK_LEVELS; ++level) {
    const auto blend = [level](std::uint8_t channel) {
      return static_cast<std::uint8_t>(channel * level / (INK_LEVELS - 1));
    };
    if (pixel == Rgb{blend(full.red), blend(full.green), blend(full.blue)}) {
      return true;
    }
  }
  return false;
}

TEST(GifAnimation, TakesItsSizeFromTheFontsCell) {
  for (const int size : {DEFAULT_FONT_SIZE, 16, 30}) {
    const GlyphAtlas atlas(default_font_file(), size);
    const DecodedGif gif = animate({{Frame(), {}}}, atlas);
    EXPECT_EQ(gif.width, FRAME_WIDTH * atlas.cell_width()) << "size " << size;
    EXPECT_EQ(gif.height, FRAME_HEIGHT * atlas.cell_height()) << "size " << size;
    // A monospace cell is about 0.6 em wide and 1.2 em high.
    EXPECT_GE(atlas.cell_width(), size / 2) << "size " << size;
    EXPECT_LE(atlas.cell_width(), size) << "size " << size;
    EXPECT_GE(atlas.cell_height(), size) << "size " << size;
    EXPECT_LE(atlas.cell_height(), size * 2) << "size " << size;
  }
}

TEST(GifAnimation, ShowsInkWhereACellHoldsACharacterAndNoneWhereItIsBlank) {
  const DecodedGif gif = animate({{with_characters(Frame(), {{10, 20, '#'}, {49, 99, '.'}}), {}}});
  ASSERT_EQ(gif.images.size(), 1U);
  EXPECT_TRUE(gif.loops);
  const std::vector<Rgb> picture = picture_after(gif, 0);
  const std::vector<Rgb> hash = cell_pixels(gif, picture, 10, 20);
  EXPECT_NE(std::find(hash.begin(), hash.end(), LIGHT_GREY), hash.end()) << "a '#' has full ink in light grey";
  EXPECT_TRUE(std::all_of(hash.begin(), hash.end(), [](Rgb pixel) { return is_ink_of(pixel, LIGHT_GREY); }));
  EXPECT_FALSE(all_black(cell_pixels(gif, picture, 49, 99))) << "the last cell is drawn too";
  for (const auto& [r, c] : {std::pair{10, 19}, {10, 21}, {9, 20}, {11, 20}, {0, 0}}) {
    EXPECT_TRUE(all_black(cell_pixels(gif, picture, r, c))) << "blank cell " << r << ", " << c;
  }
}

TEST(GifAnimation, DrawsEachCellInItsXtermColour) {
  const Frame frame = with_characters(Frame(), {{3, 4, '#'}, {3, 6, '#'}, {3, 8, ' '}, {3, 10, 'A'}});
  std::vector<std::uint8_t> colors(cell_index(FRAME_HEIGHT, 0), 7);
  struct ColoredCell {
    int c = 0;
    std::uint8_t color = 0;
    Rgb rgb;
  };
  const ColoredCell cases[] = {{4, 196, {255, 0, 0}}, {6, 21, {0, 0, 255}}, {10, 244, {128, 128, 128}}};
  for (const auto& cell : cases) {
    colors[cell_index(3, cell.c)] = cell.color;
  }
  colors[cell_index(3, 8)] = 46;  // a blank shows none of its colour

  const DecodedGif gif = animate({{frame, colors}});
  const std::vector<Rgb> picture = picture_after(gif, 0);
  for (const auto& cell : cases) {
    const std::vector<Rgb> pixels = cell_pixels(gif, picture, 3, cell.c);
    EXPECT_NE(std::find(pixels.begin(), pixels.end(), cell.rgb), pixels.end()) << "colour " << int{cell.color};
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [&](Rgb pixel) { return is_ink_of(pixel, cell.rgb); }))
        << "colour " << int{cell.color};
  }
  EXPECT_TRUE(all_black(cell_pixels(gif, picture, 3, 8)));
  for (const Rgb color : gif.images[0].colors) {
    EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [&](const auto& cell) { return is_ink_of(color, cell.rgb); }))
        << "a colour in the table that no cell has: " << int{color.red} << "," << int{color.green} << ","
        << int{color.blue};
  }
}

TEST(GifAnimation, StoresOnlyWhatChangedYetShowsEveryFrameWhole) {
  Frame full;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    full.set_row(r, std::string(FRAME_WIDTH, r % 2 == 0 ? '#' : '"'));
  }
  const Frame sparse = with_characters(Frame(), {{20, 40, '#'}, {21, 41, '\''}});
  const Frame changed = with_characters(sparse, {{5, 7, 'X'}, {8, 30, ','}});
  std::vector<std::uint8_t> plain(cell_index(FRAME_HEIGHT, 0), 7);
  std::vector<std::uint8_t> recolored = plain;
  recolored[cell_index(30, 60)] = 196;

  const std::vector<ColoredFrame> frames = {
      {sparse, plain}, {changed, plain}, {changed, plain}, {full, plain}, {full, recolored},
  };
  struct Rect {
    int top, left, bottom, right;  // in cells, ends excluded; all 0: the one still pixel
  };
  const Rect stored[] = {
      {0, 0, FRAME_HEIGHT, FRAME_WIDTH}, {5, 7, 9, 31}, {0, 0, 0, 0}, {0, 0, FRAME_HEIGHT, FRAME_WIDTH}, {30, 60, 31, 61},
  };
  const DecodedGif gif = animate(frames);
  ASSERT_EQ(gif.images.size(), frames.size());
  const int cell_width = gif.width / FRAME_WIDTH;
  const int cell_height = gif.height / FRAME_HEIGHT;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const GifRect& rect = gif.images[i].rect;
    const Rect& cells = stored[i];
    const bool still = cells.bottom == 0;
    EXPECT_EQ(rect.left, cells.left * cell_width) << "image " << i;
    EXPECT_EQ(rect.top, cells.top * cell_height) << "image " << i;
    EXPECT_EQ(rect.width, still ? 1 : (cells.right - cells.left) * cell_width) << "image " << i;
    EXPECT_EQ(rect.height, still ? 1 : (cells.bottom - cells.top) * cell_height) << "image " << i;
    EXPECT_EQ(gif.images[i].delay, DELAY) << "image " << i;
    EXPECT_TRUE(picture_after(gif, static_cast<int>(i)) == picture_after(animate({frames[i]}), 0))
        << "image " << i << " over those before it does not show frame " << i;
  }
  EXPECT_GE(gif.images[1].transparent, 0) << "two glyphs in a wide box: the rest is left as it was";
  EXPECT_EQ(gif.images[3].transparent, -1) << "every pixel new: nothing is left";
}

}  // namespace
}  // namespace textshow::play
