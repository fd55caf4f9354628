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
      // UTF-8 text passes as it is; a byte of no character becomes U+FFFD, so
      // that the JSON stays UTF-8 (found by fuzz/json_string.cpp).
      {"caf\xc3\xa9 \xe2\x94\x80 \xf0\x9f\x8e\x86", "\"caf\xc3\xa9 \xe2\x94\x80 \xf0\x9f\x8e\x86\""},
      {"\xff\xc3(", R"("\ufffd\ufffd(")"},                      // a stray byte, a lead without its follower
      {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},               // a surrogate
      {"\xc0\xaf\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd")"},  // overlong, past U+10FFFF
      {"\xe2\x82", R"("\ufffd\ufffd")"},                         // cut short
  };
  for (const Case& c : cases) {
    EXPECT_EQ(json_string(c.text), c.json) << testing::PrintToString(std::string(c.text));
  }
}

}  // namespace
}  // namespace textshow::play
