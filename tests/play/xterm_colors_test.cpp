#include "play/xterm_colors.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

TEST(XtermRgb, FollowsXtermsTable) {
  struct Case {
    std::uint8_t number = 0;
    Rgb rgb;
  };
  const Case cases[] = {
      {0, {0, 0, 0}},         {1, {205, 0, 0}},       {7, {229, 229, 229}},   {8, {127, 127, 127}},
      {12, {92, 92, 255}},    {15, {255, 255, 255}},  {16, {0, 0, 0}},        {17, {0, 0, 95}},
      {21, {0, 0, 255}},      {22, {0, 95, 0}},       {52, {95, 0, 0}},       {196, {255, 0, 0}},
      {214, {255, 175, 0}},   {231, {255, 255, 255}}, {232, {8, 8, 8}},       {244, {128, 128, 128}},
      {255, {238, 238, 238}},
  };
  for (const Case& c : cases) {
    const Rgb rgb = xterm_rgb(c.number);
    EXPECT_EQ(rgb, c.rgb) << "colour " << int{c.number} << " is " << int{rgb.red} << "," << int{rgb.green} << ","
                          << int{rgb.blue};
  }
}

}  // namespace
}  // namespace textshow::play
