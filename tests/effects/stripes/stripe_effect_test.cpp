#include "effects/stripes/stripe_effect.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.hpp"
#include "support/show_stream.hpp"

namespace textshow {
namespace {

using testing::Capture;
using testing::repeat;
using testing::frame_of;
using testing::row_of;

std::string play_stripes(Cell speed_setting = 0) {
  Capture capture(speed_setting);
  StripeEffect{}.play(capture.console());
  return capture.bytes();
}

struct RowCase {
  int frame;
  int row;
  std::string begins_with;
};

TEST(StripeEffect, RowsBeginWithTheirLeadBlanksThenARunOfInk) {
  const std::string show = play_stripes();
  const RowCase cases[] = {
      {0, 1, repeat("# ", 50)},
      {7, 1, repeat("# ", 50)},
      {0, 2, repeat("##  ", 25)},
      {0, 5, "   #####     #####"},
      {0, 10, std::string(9, ' ') + std::string(10, '#') + std::string(10, ' ') + "#"},
      {0, 50, std::string(3, ' ') + std::string(50, '#') + std::string(47, ' ')},
      {1, 10, std::string(8, ' ') + std::string(10, '#') + std::string(10, ' ') + "#"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(row_of(frame_of(show, c.frame), c.row).starts_with(c.begins_with))
        << "frame " << c.frame << ", row " << c.row << ": "
        << row_of(frame_of(show, c.frame), c.row);
  }
}

TEST(StripeEffect, EveryRowIsOneHundredInkOrGapCharactersThenCrLf) {
  const std::string show = play_stripes();
  ASSERT_EQ(show.size(), 510'000U);
  for (std::size_t at = 0; at < show.size(); at += ROW_BYTES) {
    const std::string_view row = std::string_view(show).substr(at, ROW_BYTES);
    ASSERT_EQ(row.find_first_not_of("# "), std::size_t{FRAME_WIDTH}) << "at byte " << at;
    ASSERT_EQ(row.substr(FRAME_WIDTH), "\r\n") << "at byte " << at;
  }
}

TEST(StripeEffect, RowFiftyIsAlwaysOneRunOfFifty) {
  const std::string show = play_stripes();
  for (int f = 0; f < STRIPE_FRAMES; ++f) {
    const std::string_view row = row_of(frame_of(show, f), 50);
    const std::size_t lead = row.find('#');
    EXPECT_EQ(row.substr(lead), std::string(50, '#') + std::string(50 - lead, ' '))
        << "frame " << f;
  }
}

TEST(StripeEffect, RepeatsEveryTwentyFrames) {
  const std::string show = play_stripes();
  for (int f = 0; f + STRIPE_PHASE_PERIOD < STRIPE_FRAMES; ++f) {
    EXPECT_TRUE(frame_of(show, f) == frame_of(show, f + STRIPE_PHASE_PERIOD)) << "frame " << f;
  }
  EXPECT_FALSE(frame_of(show, 0) == frame_of(show, 1)) << "the rows must slide";
}

TEST(StripeEffect, WaitsOnceAfterEveryFrameWithoutChangingAByte) {
  Capture slow(7);
  StripeEffect{}.play(slow.console());
  EXPECT_EQ(slow.delay_units(), 100 * 7);
  EXPECT_TRUE(testing::same_stream(slow.bytes(), play_stripes(0), testing::stage_offset("stripes")));
}

}  // namespace
}  // namespace textshow
