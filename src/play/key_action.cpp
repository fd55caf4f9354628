#include "play/key_action.hpp"

namespace textshow::play {

namespace {

constexpr int ESCAPE_KEY = 27;

}  // namespace

KeyAction action_for_key(int key, bool looping) {
  if (looping) {
    return KeyAction::QUIT;
  }
  switch (key) {
    case 'q':
    case 'Q':
    case ESCAPE_KEY:
      return KeyAction::QUIT;
    case ' ':
      return KeyAction::PAUSE;
    case '+':
    case '=':  // + without shift on many keyboards
      return KeyAction::FASTER;
    case '-':
      return KeyAction::SLOWER;
    case 'n':
    case 'N':
      return KeyAction::NEXT_STAGE;
    default:
      return KeyAction::NONE;
  }
}

}  // namespace textshow::play
