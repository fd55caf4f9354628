#include "play/color_sequences.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace textshow::play {
namespace {

TEST(AppendColored, SetsAColourOnlyWhereAVisibleCellChangesIt) {
  struct Case {
    std::string text;
    std::vector<std::uint8_t> colors;
    std::string out;
    int current;
    int current_after;
  };
  const Case cases[] = {
      {"##", {3, 3}, "\x1b[33m##", NO_COLOR_SET, 3},
      {"##", {3, 3}, "##", 3, 3},
      {"#X", {3, 196}, "\x1b[33m#\x1b[38;5;196mX", NO_COLOR_SET, 196},
      {"# #", {3, 5, 3}, "\x1b[33m# #", NO_COLOR_SET, 3},  // a blank keeps the colour in force
      {"  ", {1, 2}, "  ", NO_COLOR_SET, NO_COLOR_SET},
      {"\"A", {7, 255}, "\"\x1b[38;5;255mA", 7, 255},
  };
  for (const Case& c : cases) {
    std::string out;
    int current = c.current;
    append_colored(out, c.text, c.colors, current);
    EXPECT_EQ(out, c.out) << c.text;
    EXPECT_EQ(current, c.current_after) << c.text;
  }
}

}  // namespace
}  // namespace textshow::play
