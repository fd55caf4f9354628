#include "play/color_choice.hpp"

#include <gtest/gtest.h>

#include <string>

namespace textshow::play {
namespace {

TEST(ChooseDepth, FollowsTheOptionTheEnvironmentAndTheTerminal) {
  struct Case {
    const char* no_color;
    ColorMode mode;
    int colors;
    int pairs;
    ColorDepth depth;
  };
  constexpr int NOT_GIVEN = -1;
  const Case cases[] = {
      {nullptr, ColorMode::AUTO, 256, 65536, ColorDepth::COLORS_256},
      {nullptr, ColorMode::AUTO, 8, 64, ColorDepth::COLORS_8},
      {nullptr, ColorMode::AUTO, 256, 64, ColorDepth::COLORS_8},  // too few pairs for 256
      {"1", ColorMode::AUTO, 256, 65536, ColorDepth::MONOCHROME},
      {"no", ColorMode::AUTO, 8, 64, ColorDepth::MONOCHROME},
      {"", ColorMode::AUTO, 256, 65536, ColorDepth::COLORS_256},  // set but empty: as if not set
      {nullptr, ColorMode::AUTO, NOT_GIVEN, NOT_GIVEN, ColorDepth::MONOCHROME},
      {nullptr, ColorMode::AUTO, 2, 2, ColorDepth::MONOCHROME},
      {"1", ColorMode::ALWAYS, 256, 65536, ColorDepth::COLORS_256},
      {nullptr, ColorMode::ALWAYS, 8, 64, ColorDepth::COLORS_8},
      {nullptr, ColorMode::ALWAYS, NOT_GIVEN, NOT_GIVEN, ColorDepth::MONOCHROME},
      {nullptr, ColorMode::NEVER, 256, 65536, ColorDepth::MONOCHROME},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(choose_depth(c.mode, c.no_color, c.colors, c.pairs), c.depth)
        << "mode " << static_cast<int>(c.mode) << ", NO_COLOR " << (c.no_color != nullptr ? c.no_color : "unset")
        << ", " << c.colors << " colours, " << c.pairs << " pairs";
  }
}

TEST(RecordingDepth, IsColouredOnlyWhenAskedAlways) {
  EXPECT_EQ(recording_depth(ColorMode::ALWAYS), ColorDepth::COLORS_256);
  EXPECT_EQ(recording_depth(ColorMode::AUTO), ColorDepth::MONOCHROME);
  EXPECT_EQ(recording_depth(ColorMode::NEVER), ColorDepth::MONOCHROME);
}

TEST(ColorModeNamed, KnowsTheThreeNames) {
  EXPECT_EQ(color_mode_named("auto"), ColorMode::AUTO);
  EXPECT_EQ(color_mode_named("always"), ColorMode::ALWAYS);
  EXPECT_EQ(color_mode_named("never"), ColorMode::NEVER);
  EXPECT_EQ(color_mode_named("yes"), std::nullopt);
  EXPECT_EQ(color_mode_named(""), std::nullopt);
}

}  // namespace
}  // namespace textshow::play
