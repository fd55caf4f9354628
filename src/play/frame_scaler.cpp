#include "play/frame_scaler.hpp"

#include <algorithm>

namespace textshow::play {

namespace {

// Every thin line of the show is drawn in "#": the edges of the twister, the
// strips of the marquee, the loading bar. A block shows one wherever it has
// one, however many lighter cells lie beside it.
constexpr char SOLID = '#';

// Roughly how much of its cell a character covers; the plasma's levels rise
// in this order.
int ink_of(char c) {
  switch (c) {
    case ' ':
      return 0;
    case '\'':
    case '.':
      return 1;
    case ',':
      return 2;
    case '"':
    case '|':
    case '_':
      return 3;
    case 'X':
      return 4;
    case 'C':
      return 5;
    case 'A':
      return 6;
    default:
      return 4;
  }
}

// The characters of one block and where each was first met.
class BlockTally {
 public:
  void add(char c, std::size_t cell) {
    Tally& tally = tallies_[static_cast<unsigned char>(c)];
    if (tally.count == 0) {
      tally.first_cell = cell;
      met_[met_count_++] = c;
    }
    ++tally.count;
  }

  // The cell to show for the block tallied since the last choice; the tally
  // starts afresh.
  std::size_t take_choice() {
    char best = met_[0];
    for (std::size_t m = 1; m < met_count_; ++m) {
      if (outweighs(met_[m], best)) {
        best = met_[m];
      }
    }
    const std::size_t cell = tally_of(best).first_cell;
    for (std::size_t m = 0; m < met_count_; ++m) {
      tally_of(met_[m]) = Tally{};
    }
    met_count_ = 0;
    return cell;
  }

 private:
  struct Tally {
    int count = 0;
    std::size_t first_cell = 0;
  };

  Tally& tally_of(char c) { return tallies_[static_cast<unsigned char>(c)]; }

  bool outweighs(char a, char b) {
    if ((a == SOLID) != (b == SOLID)) {
      return a == SOLID;
    }
    const int ink_a = ink_of(a);
    const int ink_b = ink_of(b);
    const int total_a = tally_of(a).count * ink_a;
    const int total_b = tally_of(b).count * ink_b;
    if (total_a != total_b) {
      return total_a > total_b;
    }
    if (ink_a != ink_b) {
      return ink_a > ink_b;
    }
    return a < b;
  }

  std::array<Tally, 256> tallies_{};
  std::array<char, 256> met_{};
  std::size_t met_count_ = 0;
};

std::size_t frame_cell(int r, int c) {
  return (static_cast<std::size_t>(r) * FRAME_WIDTH) + static_cast<std::size_t>(c);
}

}  // namespace

std::optional<ScaledView> scaled_view(int lines, int columns) {
  if (lines >= FRAME_HEIGHT && columns >= FRAME_WIDTH) {
    return std::nullopt;
  }
  const int rows = std::min(lines, columns * FRAME_HEIGHT / FRAME_WIDTH);
  if (rows < MIN_SCALED_ROWS) {
    return std::nullopt;
  }
  const int scaled_columns = rows * FRAME_WIDTH / FRAME_HEIGHT;
  return ScaledView{
      .screen_row = (lines - rows) / 2,
      .screen_column = (columns - scaled_columns) / 2,
      .rows = rows,
      .columns = scaled_columns,
  };
}

std::string_view ScaledFrame::row(int r) const {
  return {characters_.data() + start(r), static_cast<std::size_t>(columns_)};
}

std::span<const std::uint8_t> ScaledFrame::row_colors(int r) const {
  return {colors_.data() + start(r), static_cast<std::size_t>(columns_)};
}

std::size_t ScaledFrame::start(int r) const { return static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_); }

void ScaledFrame::scale(const Frame& frame, const FrameColors& colors, int rows, int columns) {
  rows_ = rows;
  columns_ = columns;
  BlockTally tally;
  for (int r = 0; r < rows; ++r) {
    const int top = r * FRAME_HEIGHT / rows;
    const int bottom = (r + 1) * FRAME_HEIGHT / rows;
    for (int c = 0; c < columns; ++c) {
      const int left = c * FRAME_WIDTH / columns;
      const int right = (c + 1) * FRAME_WIDTH / columns;
      for (int source_row = top; source_row < bottom; ++source_row) {
        const std::string_view text = frame.row(source_row);
        for (int source_column = left; source_column < right; ++source_column) {
          tally.add(text[static_cast<std::size_t>(source_column)], frame_cell(source_row, source_column));
        }
      }
      const std::size_t chosen = tally.take_choice();
      characters_[start(r) + static_cast<std::size_t>(c)] =
          frame.row(static_cast<int>(chosen / FRAME_WIDTH))[chosen % FRAME_WIDTH];
      colors_[start(r) + static_cast<std::size_t>(c)] = colors[chosen];
    }
  }
}

}  // namespace textshow::play
