#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "play/color_choice.hpp"
#include "play/pacer.hpp"

namespace textshow::play {

// What the command line asks for.
struct Options {
  int fps = DEFAULT_FPS;
  bool loop = false;
  ColorMode color = ColorMode::AUTO;
  // A terminal smaller than the frame shows its centre at 1:1, not all of it scaled down.
  bool crop = false;
  std::optional<std::string> record_path;
  // A recorded stream to play instead of the show; "-" is standard input.
  std::optional<std::string> stream_path;
  bool help = false;
  bool version = false;
};

// A command line that asks for something the program cannot do; what() says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name; throws UsageError. It may
// reorder argv, as getopt does.
Options parse_options(int argc, char* argv[]);

// The text of --help.
std::string usage_text();

}  // namespace textshow::play
