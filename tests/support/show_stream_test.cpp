#include "support/show_stream.hpp"

#include <gtest/gtest.h>

#include <string>

namespace textshow::testing {
namespace {

struct WhereCase {
  std::size_t offset;
  std::string where;
};

TEST(ShowStream, NamesTheStageFrameAndByteOfAnOffset) {
  const WhereCase cases[] = {
      {0, "stage \"marquee\", frame 0, byte 0"},
      {1'427'999, "stage \"marquee\", frame 279, byte 5099"},
      {1'428'000, "stage \"stripes\", frame 0, byte 0"},
      {stage_offset("tunnel") + 2UL * 5051 + 6, "stage \"tunnel\", frame 2, byte 6"},
      {stage_offset("plasma"), "stage \"plasma\", frame 0, byte 0"},
      {4'990'649, "stage \"twister\", frame 199, byte 5099"},
      {4'990'650, "the final byte 0"},
      {4'990'651, "past the end of the show"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(where_in_show(c.offset), c.where) << "offset " << c.offset;
  }
}

TEST(ShowStream, AlikeStreamsPass) {
  EXPECT_TRUE(same_stream("", ""));
  EXPECT_TRUE(same_stream("#\r\n", "#\r\n"));
}

struct MismatchCase {
  std::string actual;
  std::string expected;
  std::size_t show_offset;
  std::string message;
};

TEST(ShowStream, AFailureNamesTheFirstDifferingByteAndWhereItLies) {
  const std::size_t tunnel = stage_offset("tunnel");
  const MismatchCase cases[] = {
      {"## #", "####", 0,
       "the streams differ first at byte 2 (stage \"marquee\", frame 0, byte 2): byte 32 ' ' where "
       "byte 35 '#' was expected; 4 bytes against 4"},
      {"#\r", "#\n", tunnel + 5051,
       "the streams differ first at byte 1 (stage \"tunnel\", frame 1, byte 1): byte 13 where byte "
       "10 was expected; 2 bytes against 2"},
      {"###", "#", 0,
       "the streams differ first at byte 1 (stage \"marquee\", frame 0, byte 1): byte 35 '#' where "
       "its end was expected; 3 bytes against 1"},
  };
  for (const auto& c : cases) {
    const ::testing::AssertionResult result = same_stream(c.actual, c.expected, c.show_offset);
    EXPECT_FALSE(result) << c.message;
    EXPECT_EQ(result.message(), c.message);
  }
}

// Two whole shows that differ in one byte: the report stays one short line.
TEST(ShowStream, AFailureOverAWholeShowPrintsNeitherStream) {
  const std::string expected(4'990'651, ' ');
  std::string actual = expected;
  actual[stage_offset("plasma") + 5100] = '#';
  const ::testing::AssertionResult result = same_stream(actual, expected);
  EXPECT_FALSE(result);
  EXPECT_LT(std::string(result.message()).size(), 200U) << result.message();
  EXPECT_NE(std::string(result.message()).find("stage \"plasma\", frame 1, byte 0"), std::string::npos)
      << result.message();
}

}  // namespace
}  // namespace textshow::testing
