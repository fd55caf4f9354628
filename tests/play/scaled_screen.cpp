// Prints what a terminal of LINES x COLUMNS too small for the frame shows of
// the one frame on standard input: the frame scaled down and centred, one
// line a row, blank lines included. The terminal tests compare panes with it.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "play/frame_scaler.hpp"
#include "play/frame_splitter.hpp"

int main(int argc, char* argv[]) {
  using namespace textshow::play;
  if (argc != 3) {
    std::fprintf(stderr, "usage: scaled_screen LINES COLUMNS < FRAME\n");
    return 2;
  }
  const int lines = std::stoi(argv[1]);
  const int columns = std::stoi(argv[2]);
  const std::string stream{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  const std::vector<Frame> frames = split_frames(stream);
  const std::optional<ScaledView> view = scaled_view(lines, columns);
  if (frames.size() != 1 || !view) {
    std::fprintf(stderr, "scaled_screen: needs one frame and a terminal that scales it\n");
    return 2;
  }
  FrameColors colors{};
  ScaledFrame scaled;
  scaled.scale(frames.front(), colors, view->rows, view->columns);
  for (int line = 0; line < lines; ++line) {
    const int r = line - view->screen_row;
    if (r >= 0 && r < view->rows) {
      std::cout << std::string(static_cast<std::size_t>(view->screen_column), ' ') << scaled.row(r);
    }
    std::cout << '\n';
  }
  return 0;
}
