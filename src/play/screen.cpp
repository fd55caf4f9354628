#include "play/screen.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "play/terminal_check.hpp"
#include "play/viewport.hpp"

// Last: it defines function-like macros such as erase() and refresh().
#include <curses.h>

namespace textshow::play {

namespace {

constexpr char TERMINAL_PATH[] = "/dev/tty";
constexpr int ESCAPE_DELAY_MS = 25;

std::FILE* open_keyboard() {
  std::FILE* keyboard = std::fopen(TERMINAL_PATH, "r");
  if (keyboard == nullptr) {
    throw std::system_error(errno, std::generic_category(), "cannot open the terminal for keys");
  }
  return keyboard;
}

void draw_highlighted(int line, std::string_view text, int columns) {
  attron(A_REVERSE);
  mvaddnstr(line, 0, text.data(), std::min(static_cast<int>(text.size()), columns));
  attroff(A_REVERSE);
}

}  // namespace

Screen::Screen() {
  if (isatty(STDOUT_FILENO) == 0) {
    throw std::runtime_error("standard output is not a terminal (--record writes a recording without one)");
  }
  check_terminal();
  keyboard_ = open_keyboard();
  terminal_ = newterm(nullptr, stdout, keyboard_);
  if (terminal_ == nullptr) {
    std::fclose(keyboard_);
    throw std::runtime_error("cannot drive this terminal: check TERM");
  }
  set_term(terminal_);
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  nodelay(stdscr, TRUE);
  curs_set(0);
  set_escdelay(ESCAPE_DELAY_MS);
}

Screen::~Screen() {
  endwin();
  delscreen(terminal_);
  std::fclose(keyboard_);
}

void Screen::draw(const Frame& frame) {
  last_frame_ = frame;
  redraw();
}

void Screen::set_status(std::string status) {
  status_ = std::move(status);
  redraw();
}

void Screen::suspend() {
  set_term(terminal_);
  endwin();
}

void Screen::resume() {
  reset_prog_mode();
  clearok(curscr, TRUE);
  redraw();
}

void Screen::redraw() {
  int lines = 0;
  int columns = 0;
  getmaxyx(stdscr, lines, columns);
  const Viewport view = fit_frame(lines, columns);
  erase();
  for (int r = 0; r < view.rows; ++r) {
    const std::string_view row = last_frame_.row(view.frame_row + r).substr(static_cast<std::size_t>(view.frame_column));
    mvaddnstr(view.screen_row + r, view.screen_column, row.data(), view.columns);
  }
  int bottom = lines - 1;
  if (view.notice && bottom >= 0) {
    draw_highlighted(bottom--, size_notice(lines, columns), columns);
  }
  if (!status_.empty() && bottom >= 0) {
    draw_highlighted(bottom, status_, columns);
  }
  refresh();
}

std::optional<int> Screen::next_key() {
  for (int key = getch(); key != ERR; key = getch()) {
    if (key != KEY_RESIZE) {
      return key;
    }
    redraw();
  }
  return std::nullopt;
}

int Screen::key_descriptor() const { return fileno(keyboard_); }

}  // namespace textshow::play
