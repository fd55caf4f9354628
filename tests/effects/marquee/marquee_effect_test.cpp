#include "effects/marquee/marquee_effect.hpp"

#include <gtest/gtest.h>

#include <string>

#include "effects/marquee/text_band.hpp"
#include "effects/stripes/stripe_effect.hpp"
#include "run/show.hpp"
#include "support/capture.hpp"
#include "support/show_stream.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::frame_of;
using testing::row_of;

constexpr int UPPER_BAR = 20;  // first row of the upper strip
constexpr int LOWER_BAR = 29;  // first row of the lower strip
constexpr int MARQUEE_BYTES = MARQUEE_FRAMES * FRAME_BYTES;

std::string play_marquee() {
  Capture capture;
  MarqueeEffect{}.play(capture.console());
  return capture.bytes();
}

// Rows `first` to `first + count - 1` of a frame, line ends included.
std::string_view rows_of(std::string_view frame, int first, int count) {
  return frame.substr(static_cast<std::size_t>(first - 1) * ROW_BYTES,
                      static_cast<std::size_t>(count) * ROW_BYTES);
}

class MarqueePlayed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { show = new std::string(play_marquee()); }
  static void TearDownTestSuite() { delete show; }
  static std::string_view frame(int f) { return frame_of(*show, f); }
  static std::string* show;
};

std::string* MarqueePlayed::show = nullptr;

struct BarCase {
  int frame;
  int row;
  std::string begins_with;
  std::string ends_with;
};

TEST_F(MarqueePlayed, BarRowsStartWhereTheirPhaseSays) {
  const BarCase cases[] = {
      {0, UPPER_BAR, "  ####    ", "##    ##"},
      {0, LOWER_BAR, "   ####    ", "###    #"},
      {1, UPPER_BAR, " ####    ", "#    ###"},
      {1, LOWER_BAR, "    ####    ", "####    "},
      {2, UPPER_BAR, "####    ", "    ####"},
      {2, LOWER_BAR, "#    ####", " ####   "},
      {70, UPPER_BAR, "    ####", "####    "},
      {70, LOWER_BAR, " ####    ", "#    ###"},
  };
  for (const auto& c : cases) {
    const std::string_view row = row_of(frame(c.frame), c.row);
    EXPECT_TRUE(row.starts_with(c.begins_with) && row.ends_with(c.ends_with))
        << "frame " << c.frame << ", row " << c.row << ": " << row;
  }
}

TEST_F(MarqueePlayed, TheThreeRowsOfAStripAreAlike) {
  for (int f = 0; f < MARQUEE_FRAMES; ++f) {
    for (const int first : {UPPER_BAR, LOWER_BAR}) {
      EXPECT_EQ(row_of(frame(f), first + 1), row_of(frame(f), first)) << "frame " << f;
      EXPECT_EQ(row_of(frame(f), first + 2), row_of(frame(f), first)) << "frame " << f;
    }
  }
}

TEST_F(MarqueePlayed, TheUpperStripMovesLeftAndTheLowerRightOneColumnAFrame) {
  for (int f = 0; f + 1 < MARQUEE_FRAMES; ++f) {
    const std::string_view upper = row_of(frame(f), UPPER_BAR);
    const std::string_view lower = row_of(frame(f), LOWER_BAR);
    EXPECT_EQ(row_of(frame(f + 1), UPPER_BAR).substr(0, FRAME_WIDTH - 1), upper.substr(1))
        << "frame " << f;
    EXPECT_EQ(row_of(frame(f + 1), LOWER_BAR).substr(1), lower.substr(0, FRAME_WIDTH - 1))
        << "frame " << f;
  }
}

TEST_F(MarqueePlayed, BarsRepeatEveryEightFramesAcrossPageChanges) {
  for (int f = 0; f + MARQUEE_BAR_PERIOD < MARQUEE_FRAMES; ++f) {
    for (const int row : {UPPER_BAR, LOWER_BAR}) {
      EXPECT_EQ(row_of(frame(f), row), row_of(frame(f + MARQUEE_BAR_PERIOD), row))
          << "frame " << f << ", row " << row;
    }
  }
}

TEST_F(MarqueePlayed, MarginsAreBlankInEveryFrame) {
  const std::string blank(FRAME_WIDTH, ' ');
  for (int f = 0; f < MARQUEE_FRAMES; ++f) {
    for (const int first : {1, 32}) {
      for (int r = first; r < first + 19; ++r) {
        ASSERT_EQ(row_of(frame(f), r), blank) << "frame " << f << ", row " << r;
      }
    }
  }
}

// Page p shows texts 2p - 1 and 2p.
TEST_F(MarqueePlayed, EachPageShowsItsTwoTexts) {
  for (int f = 0; f < MARQUEE_FRAMES; ++f) {
    const int page = f / PAGE_FRAMES + 1;
    Capture expected;
    draw_text_band(expected.console(), 2 * page - 1);
    draw_text_band(expected.console(), 2 * page);
    EXPECT_TRUE(rows_of(frame(f), 23, 6) == expected.bytes()) << "frame " << f;
  }
}

TEST_F(MarqueePlayed, TextChangesOnlyWhenThePageTurns) {
  for (int f = 1; f < MARQUEE_FRAMES; ++f) {
    const bool page_starts = f % PAGE_FRAMES == 0;
    EXPECT_EQ(rows_of(frame(f), 23, 6) != rows_of(frame(f - 1), 23, 6), page_starts)
        << "frame " << f;
  }
}

TEST_F(MarqueePlayed, EveryRowIsOneHundredCharactersThenCrLf) {
  ASSERT_EQ(show->size(), std::size_t{MARQUEE_BYTES});
  for (std::size_t at = 0; at < show->size(); at += ROW_BYTES) {
    const std::string_view row = std::string_view(*show).substr(at, ROW_BYTES);
    ASSERT_EQ(row.find_first_not_of(" #|_"), std::size_t{FRAME_WIDTH}) << "at byte " << at;
    ASSERT_EQ(row.substr(FRAME_WIDTH), "\r\n") << "at byte " << at;
  }
}

TEST(MarqueeEffect, EndsWithAllItsStateAtZero) {
  Capture capture;
  MarqueeEffect marquee;
  marquee.play(capture.console());
  EXPECT_EQ(marquee.page_counter, 0);
  EXPECT_EQ(marquee.page_frames_left, 0);
  EXPECT_EQ(marquee.bar_phase, 0);
}

TEST(MarqueeEffect, OpensTheShowAndTheStripesFollowDirectly) {
  Capture stripes;
  StripeEffect{}.play(stripes.console());
  Capture whole;
  WorkArea work{};
  play_show(whole.console(), work);
  const std::string bytes = whole.bytes();
  const std::string_view show = bytes;
  EXPECT_TRUE(testing::same_stream(show.substr(0, MARQUEE_BYTES), play_marquee()))
      << "the marquee does not open";
  EXPECT_TRUE(testing::same_stream(show.substr(MARQUEE_BYTES, stripes.bytes().size()), stripes.bytes(),
                                   MARQUEE_BYTES))
      << "the stripes do not follow the marquee";
}

}  // namespace
}  // namespace textshow
