#include "play/palette.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "play/frame_feed.hpp"
#include "play/stage_plan.hpp"

namespace textshow::play {
namespace {

constexpr ColorDepth COLORED_DEPTHS[] = {ColorDepth::COLORS_8, ColorDepth::COLORS_256};

// Every frame of the show, made once for all tests.
const std::vector<Frame>& the_show() {
  static const std::vector<Frame> frames = show_frames();
  return frames;
}

const PlannedStage& stage_named(const StagePlan& plan, std::string_view name) {
  for (int s = 0; s < plan.count(); ++s) {
    if (plan.stage(s).name == name) {
      return plan.stage(s);
    }
  }
  throw std::invalid_argument("no stage " + std::string(name));
}

// A frame of the show, with the index of its stage.
struct StageFrame {
  const Frame& frame;
  int stage;
};
StageFrame shown_frame(int index) {
  return {the_show()[static_cast<std::size_t>(index)], StagePlan::of_show().stage_of(index)};
}
int middle_of(std::string_view name) {
  const StagePlan plan = StagePlan::of_show();
  const PlannedStage& stage = stage_named(plan, name);
  return stage.first_frame + (stage.frames / 2);
}
StageFrame middle_frame(std::string_view name) { return shown_frame(middle_of(name)); }

FrameColors colors_of(const StageFrame& shown, ColorDepth depth) {
  FrameColors colors{};
  color_frame(shown.frame, shown.stage, depth, colors);
  return colors;
}

std::uint8_t at(const FrameColors& colors, int r, int c) {
  return colors[(static_cast<std::size_t>(r) * FRAME_WIDTH) + static_cast<std::size_t>(c)];
}

char char_at(const Frame& frame, int r, int c) { return frame.row(r)[static_cast<std::size_t>(c)]; }

// The palettes go by the index of a stage; the show must keep that order.
TEST(ColorFrame, KnowsTheStagesInTheOrderOfTheShow) {
  const StagePlan plan = StagePlan::of_show();
  const std::string_view names[] = {"marquee", "stripes", "tunnel loading", "tunnel",
                                    "plasma loading", "plasma", "twister"};
  ASSERT_EQ(plan.count(), static_cast<int>(std::size(names)) + 1) << "the listed stages and further frames";
  for (int s = 0; s < static_cast<int>(std::size(names)); ++s) {
    EXPECT_EQ(plan.stage(s).name, names[s]) << "stage " << s;
  }
}

TEST(ColorFrame, KeepsEveryFrameOfTheShowWithinItsDepth) {
  const StagePlan plan = StagePlan::of_show();
  std::set<int> colors_8;
  for (std::size_t index = 0; index < the_show().size(); ++index) {
    const int stage = plan.stage_of(static_cast<int>(index));
    FrameColors colors{};
    color_frame(the_show()[index], stage, ColorDepth::MONOCHROME, colors);
    for (const std::uint8_t color : colors) {
      ASSERT_EQ(color, PLAIN_COLOR) << "monochrome, frame " << index;
    }
    color_frame(the_show()[index], stage, ColorDepth::COLORS_8, colors);
    colors_8.insert(colors.begin(), colors.end());
  }
  EXPECT_LE(*colors_8.rbegin(), 7);
  EXPECT_EQ(colors_8.count(0), 0U) << "black would vanish on a dark terminal";
}

TEST(ColorFrame, DrawsFurtherFramesPlain) {
  const Frame& frame = the_show().front();
  for (const int stage : {-1, StagePlan::of_show().count() - 1, 1000}) {
    for (const ColorDepth depth : COLORED_DEPTHS) {
      FrameColors colors{};
      color_frame(frame, stage, depth, colors);
      EXPECT_EQ(std::set<int>(colors.begin(), colors.end()), std::set<int>{PLAIN_COLOR}) << "stage " << stage;
    }
  }
}

TEST(ColorFrame, SetsTheMarqueesStripsApartFromItsLetters) {
  const StageFrame shown = middle_frame("marquee");
  // Rows 19 to 21 and 28 to 30 hold the strips, 22 to 27 the two text bands.
  ASSERT_EQ(char_at(shown.frame, 19, 2), ' ');
  ASSERT_NE(shown.frame.row(19).find('#'), std::string_view::npos);
  ASSERT_EQ(shown.frame.row(22).find('#'), std::string_view::npos);
  for (const ColorDepth depth : COLORED_DEPTHS) {
    const FrameColors colors = colors_of(shown, depth);
    const std::set<int> regions = {at(colors, 20, 0), at(colors, 23, 0), at(colors, 26, 0), at(colors, 29, 0)};
    EXPECT_EQ(regions.size(), 4U) << "upper strip, upper text, lower text, lower strip";
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      EXPECT_EQ(at(colors, 20, c), at(colors, 20, 0)) << "a strip is one colour, its gaps included";
    }
  }
}

TEST(ColorFrame, ColoursTheTwistersFacesAndEdgesApart) {
  const StageFrame shown = middle_frame("twister");
  for (const ColorDepth depth : COLORED_DEPTHS) {
    const FrameColors colors = colors_of(shown, depth);
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      const std::string_view row = shown.frame.row(r);
      const std::size_t first = row.find('#');
      const std::size_t middle = row.find('#', first + 1);
      const std::size_t last = row.find('#', middle + 1);
      ASSERT_NE(last, std::string_view::npos) << "row " << r << " has three edges";
      const int edge = at(colors, r, static_cast<int>(first));
      const int left_face = at(colors, r, static_cast<int>(first) + 1);
      const int right_face = at(colors, r, static_cast<int>(middle) + 1);
      EXPECT_EQ(at(colors, r, static_cast<int>(middle)), edge) << "row " << r;
      EXPECT_EQ(at(colors, r, static_cast<int>(last)), edge) << "row " << r;
      EXPECT_EQ(at(colors, r, static_cast<int>(middle) - 1), left_face) << "row " << r;
      EXPECT_EQ(at(colors, r, static_cast<int>(last) - 1), right_face) << "row " << r;
      EXPECT_EQ((std::set<int>{edge, left_face, right_face}).size(), 3U) << "row " << r;
    }
  }
}

TEST(ColorFrame, GivesEachPlasmaLevelItsOwnColour) {
  const StageFrame shown = middle_frame("plasma");
  const FrameColors colors = colors_of(shown, ColorDepth::COLORS_256);
  std::map<char, std::set<int>> by_character;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      by_character[char_at(shown.frame, r, c)].insert(at(colors, r, c));
    }
  }
  std::set<int> levels;
  for (const char level : std::string_view(" ',XC#A")) {
    ASSERT_EQ(by_character[level].size(), 1U) << "'" << level << "' is one colour";
    levels.insert(*by_character[level].begin());
  }
  EXPECT_EQ(levels.size(), 7U);
}

TEST(ColorFrame, ColoursTheTunnelInRingsAroundItsCentre) {
  const StageFrame shown = middle_frame("tunnel");
  for (const ColorDepth depth : COLORED_DEPTHS) {
    const FrameColors colors = colors_of(shown, depth);
    // Column 50 and row 25, counted from 1, are the centre: the cell
    // (48 - r, 98 - c) lies as far from it as (r, c).
    for (int r = 0; r <= 48; ++r) {
      for (int c = 0; c <= 98; ++c) {
        ASSERT_EQ(at(colors, r, c), at(colors, 48 - r, 98 - c)) << "row " << r << ", column " << c;
      }
    }
    std::set<int> along_the_centre_row;
    for (int c = 49; c < FRAME_WIDTH; ++c) {
      along_the_centre_row.insert(at(colors, 24, c));
    }
    EXPECT_GE(along_the_centre_row.size(), 4U) << "rings from the centre to the edge";
    const FrameColors next = colors_of(shown_frame(middle_of("tunnel") + 1), depth);
    EXPECT_EQ(next, colors) << "the rings stay where they are while the checkerboard streams";
  }
}

TEST(ColorFrame, RunsTheStripesAndTheLoadingBarThroughAGradient) {
  const StageFrame stripes = middle_frame("stripes");
  const StageFrame loading = middle_frame("tunnel loading");
  for (const ColorDepth depth : COLORED_DEPTHS) {
    const FrameColors stripe_colors = colors_of(stripes, depth);
    const FrameColors bar_colors = colors_of(loading, depth);
    std::set<int> down_the_stripes;
    std::set<int> along_the_bar;
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      down_the_stripes.insert(at(stripe_colors, r, 0));
    }
    for (int c = 0; c < FRAME_WIDTH; ++c) {
      along_the_bar.insert(at(bar_colors, 23, c));
    }
    EXPECT_GE(down_the_stripes.size(), 5U);
    EXPECT_GE(along_the_bar.size(), 3U);
  }
}

}  // namespace
}  // namespace textshow::play
