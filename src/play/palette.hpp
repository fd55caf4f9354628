#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "play/frame.hpp"

namespace textshow::play {

// How many colours the frames are drawn in.
enum class ColorDepth { MONOCHROME, COLORS_8, COLORS_256 };

// One xterm colour number per cell of a frame, row by row from the top: in
// COLORS_8 one of the eight basic colours 0..7, in MONOCHROME always
// PLAIN_COLOR.
using FrameColors = std::array<std::uint8_t, static_cast<std::size_t>(FRAME_WIDTH) * FRAME_HEIGHT>;

// The colour of a monochrome frame, and of every cell of frames past the show.
inline constexpr std::uint8_t PLAIN_COLOR = 7;

// Colours `frame` as stage `stage` of the show (its index in the show's list
// of stages; any other index stands for further frames) so that the shapes
// of each stage stand apart. A space has a colour too, that of the region it
// lies in, so that a terminal switches colour seldom. Colour never changes a
// character.
void color_frame(const Frame& frame, int stage, ColorDepth depth, FrameColors& colors);

// The colours of row r, counted from 0 at the top.
std::span<const std::uint8_t> row_colors(const FrameColors& colors, int r);

}  // namespace textshow::play
