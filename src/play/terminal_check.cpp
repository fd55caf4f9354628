#include "play/terminal_check.hpp"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

// Last: they define macros with short common names.
#include <curses.h>
#include <term.h>

namespace textshow::play {

namespace {

// tigetstr's answer, as a number, for a name that is not a string capability.
constexpr std::intptr_t NOT_A_STRING = -1;

std::string terminal_name() {
  const char* const name = std::getenv("TERM");
  return name != nullptr ? name : "";
}

}  // namespace

void check_terminal() {
  int error = 0;
  if (setupterm(nullptr, STDOUT_FILENO, &error) != OK) {
    throw std::runtime_error("cannot drive this terminal (TERM=" + terminal_name() + "): check TERM");
  }
  const char* const cursor_placement = tigetstr("cup");
  const bool can_place =
      cursor_placement != nullptr && reinterpret_cast<std::intptr_t>(cursor_placement) != NOT_A_STRING;
  del_curterm(cur_term);
  if (!can_place) {
    throw std::runtime_error("this terminal (TERM=" + terminal_name() +
                             ") cannot place the cursor; textshow-play needs one that can");
  }
}

}  // namespace textshow::play
