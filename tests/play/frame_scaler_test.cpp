#include "play/frame_scaler.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/frame_feed.hpp"
#include "play/stage_plan.hpp"

namespace textshow::play {
namespace {

const std::vector<Frame>& the_show() {
  static const std::vector<Frame> frames = show_frames();
  return frames;
}

TEST(ScaledView, ScalesTheWholeFrameDownInItsProportionsAndCentresIt) {
  struct Case {
    int columns = 0;
    int lines = 0;
    std::optional<ScaledView> view;
  };
  const Case cases[] = {
      {100, 50, std::nullopt},  // holds the frame: 1:1
      {120, 60, std::nullopt},
      {80, 24, ScaledView{0, 16, 24, 48}},
      {99, 50, ScaledView{0, 0, 49, 98}},
      {100, 49, ScaledView{0, 1, 49, 98}},
      {200, 40, ScaledView{0, 60, 40, 80}},
      {90, 60, ScaledView{7, 0, 45, 90}},
      {81, 25, ScaledView{0, 15, 25, 50}},
      {20, 8, ScaledView{0, 2, 8, 16}},
      {16, 30, ScaledView{11, 0, 8, 16}},
      {15, 30, std::nullopt},  // too small: the centre at 1:1 and the notice
      {40, 7, std::nullopt},
      {0, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaled_view(c.lines, c.columns), c.view) << c.columns << " x " << c.lines;
  }
}

// The frame cells a scaled cell covers.
struct Block {
  int top;
  int bottom;
  int left;
  int right;
};
Block block_of(int r, int c, int rows, int columns) {
  return {r * FRAME_HEIGHT / rows, (r + 1) * FRAME_HEIGHT / rows, c * FRAME_WIDTH / columns,
          (c + 1) * FRAME_WIDTH / columns};
}

char scaled_at(const ScaledFrame& scaled, int r, int c) { return scaled.row(r)[static_cast<std::size_t>(c)]; }

// Every "#" of the frame still shows where it lands, whatever lies beside it:
// the twister's edges, the marquee's strips, the loading bar. A block with any
// ink shows ink (a stroke of a letter among blanks), and a blank block stays
// blank. Each cell shows a character of its block in that cell's colour.
TEST(ScaledFrame, KeepsThinLinesAndStrokesAtEverySize) {
  const int sizes[] = {49, 45, 30, 24, 17, 12, MIN_SCALED_ROWS};
  const StagePlan plan = StagePlan::of_show();
  FrameColors colors{};
  for (std::size_t cell = 0; cell < colors.size(); ++cell) {
    colors[cell] = static_cast<std::uint8_t>(cell * 7 % 256);  // tells the cells apart
  }
  for (const int rows : sizes) {
    const int columns = 2 * rows;
    for (int stage = 0; stage < plan.count() - 1; ++stage) {
      // Every fifth frame of each stage, its first and last included.
      for (int index = plan.stage(stage).first_frame; index < plan.stage(stage + 1).first_frame; index += 5) {
        const Frame& frame = the_show()[static_cast<std::size_t>(index)];
        ScaledFrame scaled;
        scaled.scale(frame, colors, rows, columns);
        ASSERT_EQ(scaled.rows(), rows);
        ASSERT_EQ(scaled.columns(), columns);
        for (int r = 0; r < rows; ++r) {
          for (int c = 0; c < columns; ++c) {
            const Block block = block_of(r, c, rows, columns);
            const char shown = scaled_at(scaled, r, c);
            bool has_solid = false;
            bool has_ink = false;
            bool shown_from_block = false;
            for (int y = block.top; y < block.bottom; ++y) {
              for (int x = block.left; x < block.right; ++x) {
                const char source = frame.row(y)[static_cast<std::size_t>(x)];
                has_solid = has_solid || source == '#';
                has_ink = has_ink || source != ' ';
                const std::uint8_t color = colors[(static_cast<std::size_t>(y) * FRAME_WIDTH) + x];
                shown_from_block =
                    shown_from_block || (source == shown && color == scaled.row_colors(r)[static_cast<std::size_t>(c)]);
              }
            }
            const std::string where = "frame " + std::to_string(index) + " at " + std::to_string(columns) + " x " +
                                      std::to_string(rows) + ", cell " + std::to_string(r) + ", " + std::to_string(c);
            ASSERT_TRUE(shown_from_block) << where;
            ASSERT_EQ(shown == '#', has_solid) << where;
            ASSERT_EQ(shown != ' ', has_ink) << where;
          }
        }
      }
    }
  }
}

TEST(ScaledFrame, LetsTheHeaviestCharacterOfABlockWin) {
  struct Case {
    std::string top;
    std::string bottom;
    char shown;
  };
  // One scaled cell for a block of two rows and two columns.
  const Case cases[] = {
      {"  ", "  ", ' '},
      {"\" ", "  ", '"'},   // a stroke among blanks
      {"\"\"", "\"#", '#'}, // an edge among a face's stripes
      {"XX", "XC", 'X'},    // three X outweigh one C
      {"XX", "CC", 'C'},    // two of each: the heavier
      {",'", "''", '\''},   // three apostrophes outweigh a comma
      {"|_", "  ", '_'},    // equal in ink and weight: the lower character code
  };
  for (const Case& c : cases) {
    Frame frame;
    frame.set_row(0, c.top);
    frame.set_row(1, c.bottom);
    ScaledFrame scaled;
    scaled.scale(frame, FrameColors{}, FRAME_HEIGHT / 2, FRAME_WIDTH / 2);
    EXPECT_EQ(scaled_at(scaled, 0, 0), c.shown) << "'" << c.top << "' over '" << c.bottom << "'";
  }
}

TEST(ScaledFrame, KeepsTheMarqueesStripsAndLettersApartAt80x24) {
  const StagePlan plan = StagePlan::of_show();
  const Frame& frame = the_show()[static_cast<std::size_t>(plan.stage(0).first_frame)];
  const ScaledView view = *scaled_view(24, 80);
  ScaledFrame scaled;
  scaled.scale(frame, FrameColors{}, view.rows, view.columns);
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(scaled.rows()));
  for (int r = 0; r < scaled.rows(); ++r) {
    rows.emplace_back(scaled.row(r));
  }
  // Frame rows 19 to 21 and 28 to 30 hold the strips, 22 to 27 the letters.
  EXPECT_EQ(rows[9].find_first_not_of("# "), std::string::npos) << rows[9];
  EXPECT_NE(rows[9].find("  "), std::string::npos) << "the strip keeps its gaps: " << rows[9];
  EXPECT_EQ(rows[11].find('#'), std::string::npos) << rows[11];
  EXPECT_NE(rows[11].find_first_of("|_"), std::string::npos) << rows[11];
  EXPECT_EQ(rows[12].find('#'), std::string::npos) << rows[12];
  EXPECT_EQ(rows[14].find_first_not_of("# "), std::string::npos) << rows[14];
}

TEST(ScaledFrame, AtFullSizeIsTheFrame) {
  const Frame& frame = the_show()[the_show().size() / 2];
  ScaledFrame scaled;
  scaled.scale(frame, FrameColors{}, FRAME_HEIGHT, FRAME_WIDTH);
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    EXPECT_EQ(scaled.row(r), frame.row(r)) << "row " << r;
  }
}

}  // namespace
}  // namespace textshow::play
