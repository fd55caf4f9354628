#include "play/viewport.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace textshow::play {
namespace {

TEST(FitFrame, CentresTheFrameOrItsCentre) {
  struct Case {
    int lines = 0;
    int columns = 0;
    Viewport view;
  };
  const Case cases[] = {
      {50, 100, {0, 0, 0, 0, 50, 100, false}},
      {60, 120, {5, 10, 0, 0, 50, 100, false}},
      {61, 121, {5, 10, 0, 0, 50, 100, false}},
      {24, 80, {0, 0, 13, 10, 23, 80, true}},
      {50, 99, {0, 0, 0, 0, 49, 99, true}},
      {60, 99, {4, 0, 0, 0, 50, 99, true}},
      {40, 120, {0, 10, 5, 0, 39, 100, true}},
      {2, 3, {0, 0, 24, 48, 1, 3, true}},
      {1, 1, {0, 0, 25, 49, 0, 1, true}},
      {0, 0, {0, 0, 25, 50, 0, 0, true}},
  };
  for (const Case& c : cases) {
    const Viewport view = fit_frame(c.lines, c.columns);
    EXPECT_EQ(view, c.view) << c.columns << " x " << c.lines << ": rows " << view.screen_row << "+" << view.rows
                            << " from " << view.frame_row << ", columns " << view.screen_column << "+"
                            << view.columns << " from " << view.frame_column;
  }
}

TEST(SizeNotice, TellsTheSizeNeededAndTheSizeThereIsInTheWidthThereIs) {
  struct Case {
    int lines;
    int columns;
    std::string_view notice;
  };
  const Case cases[] = {
      {24, 80, "textshow-play needs 100 x 50, this terminal is 80 x 24"},
      {49, 54, "textshow-play needs 100 x 50, this terminal is 54 x 49"},
      {49, 53, "needs 100 x 50, this terminal is 53 x 49"},
      {10, 40, "needs 100 x 50, this terminal is 40 x 10"},
      {10, 39, "needs 100 x 50, terminal 39 x 10"},
      {5, 20, "needs 100 x 50"},
      {5, 14, "needs 100 x 50"},
      {5, 13, "100x50"},
      {1, 6, "100x50"},
      {1, 5, ""},
      {0, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(size_notice(c.lines, c.columns), c.notice) << c.columns << " x " << c.lines;
  }
}

}  // namespace
}  // namespace textshow::play
