#include "play/screen.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <span>
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

// Colour pair n draws colour n on the terminal's own background, or on
// black where the terminal cannot keep its own; pair 0, the terminal's own
// colours, stands for colour 0.
ColorDepth start_palette(ColorDepth depth) {
  if (depth == ColorDepth::MONOCHROME || start_color() == ERR) {
    return ColorDepth::MONOCHROME;
  }
  constexpr short OWN_BACKGROUND = -1;
  const short background = use_default_colors() == OK ? OWN_BACKGROUND : COLOR_BLACK;
  const int colors = depth == ColorDepth::COLORS_256 ? 256 : 8;
  for (int n = 1; n < colors; ++n) {
    init_pair(static_cast<short>(n), static_cast<short>(n), background);
  }
  return depth;
}

// Writes `text` from (y, x), in colour a run of cells of one colour at a time.
void put_text(int y, int x, std::string_view text, std::span<const std::uint8_t> colors, bool colored) {
  if (!colored) {
    mvaddnstr(y, x, text.data(), static_cast<int>(text.size()));
    return;
  }
  move(y, x);
  for (std::size_t start = 0, end = 0; start < text.size(); start = end) {
    for (end = start + 1; end < text.size() && colors[end] == colors[start];) {
      ++end;
    }
    attr_set(A_NORMAL, static_cast<short>(colors[start]), nullptr);
    addnstr(text.data() + start, static_cast<int>(end - start));
  }
  attr_set(A_NORMAL, 0, nullptr);
}

}  // namespace

Screen::Screen(ColorMode color, bool crop) : crop_(crop) {
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
  depth_ = start_palette(choose_depth(color, std::getenv("NO_COLOR"), tigetnum("colors"), tigetnum("pairs")));
}

Screen::~Screen() {
  endwin();
  delscreen(terminal_);
  std::fclose(keyboard_);
}

void Screen::draw(const Frame& frame, int stage) {
  last_frame_ = frame;
  last_stage_ = stage;
  color_frame(frame, stage, depth_, colors_);
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
  erase();
  const std::optional<ScaledView> scaled = crop_ ? std::nullopt : scaled_view(lines, columns);
  int bottom = lines - 1;
  if (scaled) {
    draw_scaled(last_frame_, *scaled);
  } else if (draw_cropped(last_frame_, lines, columns)) {
    --bottom;
  }
  if (!status_.empty() && bottom >= 0) {
    draw_highlighted(bottom, status_, columns);
  }
  refresh();
}

// Returns whether the size notice took the bottom line.
bool Screen::draw_cropped(const Frame& frame, int lines, int columns) {
  const Viewport view = fit_frame(lines, columns);
  for (int r = 0; r < view.rows; ++r) {
    const auto first = static_cast<std::size_t>(view.frame_column);
    const auto count = static_cast<std::size_t>(view.columns);
    put_text(view.screen_row + r, view.screen_column, frame.row(view.frame_row + r).substr(first, count),
             row_colors(colors_, view.frame_row + r).subspan(first, count), depth_ != ColorDepth::MONOCHROME);
  }
  const bool notice = view.notice && lines > 0;
  if (notice) {
    draw_highlighted(lines - 1, size_notice(lines, columns), columns);
  }
  return notice;
}

void Screen::draw_scaled(const Frame& frame, const ScaledView& view) {
  scaled_.scale(frame, colors_, view.rows, view.columns);
  for (int r = 0; r < view.rows; ++r) {
    put_text(view.screen_row + r, view.screen_column, scaled_.row(r), scaled_.row_colors(r),
             depth_ != ColorDepth::MONOCHROME);
  }
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
