#include "play/screen.hpp"

#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

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

void draw_notice(int lines, int columns) {
  attron(A_REVERSE);
  mvaddnstr(lines - 1, 0, size_notice(lines, columns).c_str(), columns);
  attroff(A_REVERSE);
}

}  // namespace

Screen::Screen() {
  if (isatty(STDOUT_FILENO) == 0) {
    throw std::runtime_error("standard output is not a terminal (--record writes a recording without one)");
  }
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
  int lines = 0;
  int columns = 0;
  getmaxyx(stdscr, lines, columns);
  const Viewport view = fit_frame(lines, columns);
  erase();
  for (int r = 0; r < view.rows; ++r) {
    const std::string_view row = frame.row(view.frame_row + r).substr(static_cast<std::size_t>(view.frame_column));
    mvaddnstr(view.screen_row + r, view.screen_column, row.data(), view.columns);
  }
  if (view.notice && lines > 0) {
    draw_notice(lines, columns);
  }
  refresh();
}

std::optional<int> Screen::next_key() {
  for (int key = getch(); key != ERR; key = getch()) {
    if (key != KEY_RESIZE) {
      return key;
    }
    draw(last_frame_);
  }
  return std::nullopt;
}

int Screen::key_descriptor() const { return fileno(keyboard_); }

}  // namespace textshow::play
