#include "play/key_action.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace textshow::play {
namespace {

TEST(ActionForKey, MapsEachKeyAndEndsALoopOnAny) {
  struct Case {
    std::string_view name;
    int key;
    KeyAction action;
  };
  constexpr int ESCAPE = 27;
  constexpr int ARROW_DOWN = 0402;  // a key beyond one byte, as curses reports it
  const Case cases[] = {
      {"q", 'q', KeyAction::QUIT},
      {"Q", 'Q', KeyAction::QUIT},
      {"Esc", ESCAPE, KeyAction::QUIT},
      {"space", ' ', KeyAction::PAUSE},
      {"+", '+', KeyAction::FASTER},
      {"= (+ without shift)", '=', KeyAction::FASTER},
      {"-", '-', KeyAction::SLOWER},
      {"n", 'n', KeyAction::NEXT_STAGE},
      {"N", 'N', KeyAction::NEXT_STAGE},
      {"x", 'x', KeyAction::NONE},
      {"p", 'p', KeyAction::NONE},
      {"Enter", '\r', KeyAction::NONE},
      {"0", '0', KeyAction::NONE},
      {"arrow down", ARROW_DOWN, KeyAction::NONE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(action_for_key(c.key, false), c.action) << c.name;
    EXPECT_EQ(action_for_key(c.key, true), KeyAction::QUIT) << c.name << " with --loop";
  }
}

}  // namespace
}  // namespace textshow::play
