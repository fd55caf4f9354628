#include "play/json_string.hpp"

#include <gtest/gtest.h>

namespace textshow::play {
namespace {

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
