#include "run/command_line.hpp"

#include <algorithm>

namespace textshow {

namespace {

constexpr std::string_view USAGE =
    "Usage: textshow [--help | --version]\n"
    "Reads one byte from standard input, the speed letter, and nothing more: A plays\n"
    "at full speed, each later letter waits longer after every frame (end of input\n"
    "counts as the byte 255). Then writes the show to standard output: 980 frames of\n"
    "50 rows of 100 characters, each row ended by CR LF (LF alone in the tunnel),\n"
    "for a console of 100 columns by 50 rows, and a closing byte 0: 4,990,651 bytes,\n"
    "the same whatever the letter. Exit status 0, or 1 if the output failed.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n";

constexpr std::string_view VERSION = "textshow " TEXTSHOW_VERSION "\n";

bool given(std::span<char* const> arguments, std::string_view option) {
  return std::ranges::any_of(arguments, [option](const char* argument) { return argument == option; });
}

}  // namespace

std::optional<std::string_view> requested_text(std::span<char* const> arguments) {
  if (given(arguments, "--help")) {
    return USAGE;
  }
  if (given(arguments, "--version")) {
    return VERSION;
  }
  return std::nullopt;
}

}  // namespace textshow
