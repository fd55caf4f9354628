#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "play/frame.hpp"
#include "play/palette.hpp"

namespace textshow::play {

// The fewest rows a scaled frame may have: below that its shapes can no
// longer be told apart, and the centre at 1:1 says more.
inline constexpr int MIN_SCALED_ROWS = 8;

// Where a scaled frame stands on the terminal and how large it is.
struct ScaledView {
  int screen_row = 0;
  int screen_column = 0;
  int rows = 0;
  int columns = 0;

  friend bool operator==(const ScaledView&, const ScaledView&) = default;
};

// The whole frame scaled down for a terminal of `lines` × `columns` too small
// for it, as large as fits with the frame's proportions (two columns to a
// row) and centred; none when the terminal holds the frame at 1:1 or is too
// small for MIN_SCALED_ROWS.
std::optional<ScaledView> scaled_view(int lines, int columns);

// A frame scaled down: characters and their colours, row by row.
class ScaledFrame {
 public:
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  std::string_view row(int r) const;
  std::span<const std::uint8_t> row_colors(int r) const;

  // Scales `frame` coloured with `colors` down to `rows` × `columns` (at most
  // the frame's size). Every cell shows one cell, character and colour, of
  // the block of frame cells that it covers: a "#" if the block has one, as
  // the show draws its thin lines in it, else one of the character with the
  // most ink in the block, counted over all its cells, so that a stroke one
  // cell thin outweighs the blanks beside it. Ties go to the heavier
  // character.
  void scale(const Frame& frame, const FrameColors& colors, int rows, int columns);

 private:
  std::size_t start(int r) const;

  int rows_ = 0;
  int columns_ = 0;
  std::array<char, std::tuple_size_v<FrameColors>> characters_{};
  FrameColors colors_{};
};

}  // namespace textshow::play
