#include "play/asciicast_writer.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace textshow::play {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(AsciicastWriter, WritesAHeaderThenOneEventALine) {
  std::ostringstream out;
  AsciicastWriter writer(out, 100, 50);
  writer.output(Duration::zero(), "\x1b[H\"x\"");
  writer.output(milliseconds(120), "a\r\nb");
  writer.output(seconds(75) + microseconds(1), "");
  EXPECT_EQ(out.str(),
            "{\"version\": 2, \"width\": 100, \"height\": 50}\n"
            "[0.000000, \"o\", \"\\u001b[H\\\"x\\\"\"]\n"
            "[0.120000, \"o\", \"a\\r\\nb\"]\n"
            "[75.000001, \"o\", \"\"]\n");
}

TEST(JsonString, EscapesWhatJsonDoesNotAllowInAString) {
  struct Case {
    std::string_view text;
    std::string_view json;
  };
  const Case cases[] = {
      {"", R"("")"},
      {R"(# """" #)", R"("# \"\"\"\" #")"},
      {R"(a\b)", R"("a\\b")"},
      {"\r\n\t\b\f", R"("\r\n\t\b\f")"},
      {"\x1b[H", R"("\u001b[H")"},
      {std::string_view("\0\x1f\x7f", 3), R"("\u0000\u001f\u007f")"},
      {"/ ~ {}[]", R"("/ ~ {}[]")"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(json_string(c.text), c.json) << testing::PrintToString(std::string(c.text));
  }
}

}  // namespace
}  // namespace textshow::play
