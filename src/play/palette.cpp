#include "play/palette.hpp"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string_view>

namespace textshow::play {

namespace {

// A colour in both depths: one of the eight basic colours, and the colour of
// the 256 that it stands for.
struct Hue {
  std::uint8_t basic;
  std::uint8_t extended;
};

constexpr Hue WHITE{7, 231};

// The marquee from the top: the upper strip with the blank rows above it, the
// two text bands, the lower strip with the blank rows below it. Each region
// ends before the row given.
struct Region {
  int end_row;
  Hue hue;
};
constexpr Region MARQUEE_REGIONS[] = {
    {22, {6, 45}},             // upper strip: cyan
    {25, {3, 226}},            // upper text: yellow
    {28, WHITE},               // lower text
    {FRAME_HEIGHT, {5, 201}},  // lower strip: magenta
};

// A rainbow down the stripes, a row at a time.
constexpr Hue RAINBOW[] = {
    {1, 196}, {1, 202}, {3, 208}, {3, 214}, {3, 220}, {3, 226}, {2, 190}, {2, 154}, {2, 118}, {2, 82},
    {2, 46},  {2, 47},  {6, 48},  {6, 49},  {6, 50},  {6, 51},  {6, 45},  {6, 39},  {4, 33},  {4, 27},
    {4, 21},  {4, 57},  {5, 93},  {5, 129}, {5, 165}, {5, 201}, {5, 200}, {5, 199}, {1, 198}, {1, 197},
};

// The loading bar goes from red to green as it grows.
constexpr Hue PROGRESS[] = {
    {1, 196}, {1, 202}, {1, 208}, {3, 214}, {3, 220}, {3, 226}, {3, 190}, {2, 154}, {2, 118}, {2, 82}, {2, 46},
};

// The tunnel's rings, from deep blue in its centre to white at its
// mouth. A ring ends before the radius given; the radius is that of the
// tunnel's own geometry, around column 50 and row 25 counted from 1.
struct Ring {
  int end_radius;
  Hue hue;
};
constexpr int TUNNEL_CENTER_X = 50;
constexpr int TUNNEL_CENTER_Y = 25;
constexpr Ring TUNNEL_RINGS[] = {
    {2, {4, 19}},   {3, {4, 20}},   {4, {4, 21}},   {5, {4, 26}},   {6, {4, 27}},
    {8, {5, 33}},   {10, {5, 39}},  {13, {5, 45}},  {16, {6, 51}},  {20, {6, 87}},
    {25, {6, 123}}, {31, {7, 159}}, {39, {7, 195}}, {FRAME_WIDTH, {7, 231}},
};

// The plasma's seven characters, from the blank level to the peak, as a
// gradient from night blue to sunlight.
constexpr std::string_view PLASMA_RAMP = " ',XC#A";
constexpr Hue PLASMA_GRADIENT[] = {{4, 17}, {4, 56}, {5, 92}, {1, 162}, {1, 203}, {3, 214}, {7, 227}};

// The twister's two visible faces, the left one warm and the right one cool,
// each the brighter the wider it is, that is the more it faces the viewer.
constexpr Hue LEFT_FACE[] = {{1, 124}, {1, 160}, {1, 196}, {3, 202}, {3, 208}, {3, 214}, {3, 220}};
constexpr Hue RIGHT_FACE[] = {{4, 25}, {4, 26}, {4, 27}, {6, 33}, {6, 39}, {6, 45}, {6, 51}};
constexpr int WIDEST_FACE = 29;
constexpr char TWISTER_EDGE = '#';

std::size_t cell(int r, int c) { return (static_cast<std::size_t>(r) * FRAME_WIDTH) + static_cast<std::size_t>(c); }

std::uint8_t in_depth(Hue hue, ColorDepth depth) {
  return depth == ColorDepth::COLORS_256 ? hue.extended : hue.basic;
}

// The step of `gradient` for `position` of 0..extent - 1.
Hue along(std::span<const Hue> gradient, int position, int extent) {
  return gradient[static_cast<std::size_t>(position) * gradient.size() / static_cast<std::size_t>(extent)];
}

void fill_cells(FrameColors& colors, int r, int from, int to, std::uint8_t color) {
  std::fill(colors.begin() + static_cast<std::ptrdiff_t>(cell(r, from)),
            colors.begin() + static_cast<std::ptrdiff_t>(cell(r, to)), color);
}

void fill_row(FrameColors& colors, int r, std::uint8_t color) { fill_cells(colors, r, 0, FRAME_WIDTH, color); }

void color_marquee(const Frame& /*frame*/, ColorDepth depth, FrameColors& colors) {
  int r = 0;
  for (const Region& region : MARQUEE_REGIONS) {
    for (; r < region.end_row; ++r) {
      fill_row(colors, r, in_depth(region.hue, depth));
    }
  }
}

void color_stripes(const Frame& /*frame*/, ColorDepth depth, FrameColors& colors) {
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    fill_row(colors, r, in_depth(along(RAINBOW, r, FRAME_HEIGHT), depth));
  }
}

void color_loading_bar(const Frame& /*frame*/, ColorDepth depth, FrameColors& colors) {
  for (int c = 0; c < FRAME_WIDTH; ++c) {
    const std::uint8_t color = in_depth(along(PROGRESS, c, FRAME_WIDTH), depth);
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      colors[cell(r, c)] = color;
    }
  }
}

// The ring of a cell, compared by squares: the tunnel's radius is the whole
// square root of (dx + 1)² + (dy + 1)².
Hue tunnel_ring(int r, int c) {
  const int dx = std::abs(c + 1 - TUNNEL_CENTER_X) + 1;
  const int dy = std::abs(r + 1 - TUNNEL_CENTER_Y) + 1;
  const int square = (dx * dx) + (dy * dy);
  const Ring* ring = std::find_if(std::begin(TUNNEL_RINGS), std::end(TUNNEL_RINGS),
                                  [square](const Ring& ring) { return square < ring.end_radius * ring.end_radius; });
  return ring->hue;
}

void color_tunnel(const Frame& /*frame*/, ColorDepth depth, FrameColors& colors) {
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      colors[cell(r, c)] = in_depth(tunnel_ring(r, c), depth);
    }
  }
}

void color_plasma(const Frame& frame, ColorDepth depth, FrameColors& colors) {
  std::array<std::uint8_t, 128> by_character{};
  by_character.fill(PLAIN_COLOR);
  for (std::size_t level = 0; level < PLASMA_RAMP.size(); ++level) {
    by_character[static_cast<unsigned char>(PLASMA_RAMP[level])] = in_depth(PLASMA_GRADIENT[level], depth);
  }
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    const std::string_view row = frame.row(r);
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      colors[cell(r, c)] = by_character[static_cast<unsigned char>(row[static_cast<std::size_t>(c)]) & 127U];
    }
  }
}

// The edges, and the blank on either side of the bar, in white; each face
// between two edges in the colour of its side and its width.
void color_twister_row(std::string_view row, int r, ColorDepth depth, FrameColors& colors) {
  fill_row(colors, r, in_depth(WHITE, depth));
  int face = 0;
  for (std::size_t edge = row.find(TWISTER_EDGE); edge != std::string_view::npos;) {
    const std::size_t next = row.find(TWISTER_EDGE, edge + 1);
    if (next == std::string_view::npos) {
      break;
    }
    const int width = std::min(static_cast<int>(next - edge) - 1, WIDEST_FACE);
    const std::span<const Hue> side = face % 2 == 0 ? std::span<const Hue>(LEFT_FACE) : RIGHT_FACE;
    fill_cells(colors, r, static_cast<int>(edge) + 1, static_cast<int>(next),
               in_depth(along(side, width, WIDEST_FACE + 1), depth));
    edge = next;
    ++face;
  }
}

void color_twister(const Frame& frame, ColorDepth depth, FrameColors& colors) {
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    color_twister_row(frame.row(r), r, depth, colors);
  }
}

using Painter = void (*)(const Frame& frame, ColorDepth depth, FrameColors& colors);

// The palette of each stage, by its index in the show's list of stages:
// marquee, stripes, tunnel loading, tunnel, plasma loading, plasma, twister.
constexpr Painter PAINTERS[] = {
    color_marquee, color_stripes, color_loading_bar, color_tunnel, color_loading_bar, color_plasma, color_twister,
};
constexpr int COLORED_STAGES = static_cast<int>(std::size(PAINTERS));

}  // namespace

void color_frame(const Frame& frame, int stage, ColorDepth depth, FrameColors& colors) {
  if (depth == ColorDepth::MONOCHROME || stage < 0 || stage >= COLORED_STAGES) {
    colors.fill(PLAIN_COLOR);
    return;
  }
  PAINTERS[static_cast<std::size_t>(stage)](frame, depth, colors);
}

std::span<const std::uint8_t> row_colors(const FrameColors& colors, int r) {
  return std::span(colors).subspan(cell(r, 0), FRAME_WIDTH);
}

}  // namespace textshow::play
