#include "play/options.hpp"

#include <getopt.h>

#include <charconv>
#include <string_view>

namespace textshow::play {

namespace {

enum OptionCode : int {
  FPS_OPTION = 'f',
  LOOP_OPTION = 'l',
  RECORD_OPTION = 'r',
  COLOR_OPTION = 'c',
  CROP_OPTION = 'C',
  HELP_OPTION = 'h',
  VERSION_OPTION = 'V',
  MISSING_VALUE = ':',
};

// A leading ':' makes getopt tell a missing value apart from an unknown option.
constexpr char SHORT_OPTIONS[] = ":h";

constexpr option LONG_OPTIONS[] = {
    {"fps", required_argument, nullptr, FPS_OPTION},
    {"loop", no_argument, nullptr, LOOP_OPTION},
    {"record", required_argument, nullptr, RECORD_OPTION},
    {"color", required_argument, nullptr, COLOR_OPTION},
    {"crop", no_argument, nullptr, CROP_OPTION},
    {"help", no_argument, nullptr, HELP_OPTION},
    {"version", no_argument, nullptr, VERSION_OPTION},
    {nullptr, 0, nullptr, 0},
};

int parse_fps(std::string_view text) {
  int fps = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), fps);
  if (error != std::errc{} || end != text.data() + text.size() || fps < MIN_FPS || fps > MAX_FPS) {
    throw UsageError("--fps needs a whole number from " + std::to_string(MIN_FPS) + " to " +
                     std::to_string(MAX_FPS) + ", not '" + std::string(text) + "'");
  }
  return fps;
}

ColorMode parse_color(std::string_view text) {
  if (const std::optional<ColorMode> mode = color_mode_named(text)) {
    return *mode;
  }
  throw UsageError("--color needs auto, always or never, not '" + std::string(text) + "'");
}

// The argument that getopt just refused, as the user wrote it.
// A long option is named as written ("--loop=1" as well), a short one by
// its letter, which may stand among others ("-hx").
std::string refused_argument(char* argv[]) {
  const std::string_view written = argv[optind - 1];
  if (optopt == 0 || written.starts_with("--")) {
    return std::string(written);
  }
  return std::string("-") + static_cast<char>(optopt);
}

void check_combination(const Options& options) {
  if (options.loop && options.record_path) {
    throw UsageError("--loop and --record cannot go together: a recording has an end");
  }
}

}  // namespace

Options parse_options(int argc, char* argv[]) {
  Options options;
  optind = 0;  // 0, not 1: glibc then starts a fresh scan
  opterr = 0;
  for (int code = 0; (code = getopt_long(argc, argv, SHORT_OPTIONS, LONG_OPTIONS, nullptr)) != -1;) {
    switch (code) {
      case FPS_OPTION:
        options.fps = parse_fps(optarg);
        break;
      case LOOP_OPTION:
        options.loop = true;
        break;
      case RECORD_OPTION:
        options.record_path = optarg;
        break;
      case COLOR_OPTION:
        options.color = parse_color(optarg);
        break;
      case CROP_OPTION:
        options.crop = true;
        break;
      case HELP_OPTION:
        options.help = true;
        break;
      case VERSION_OPTION:
        options.version = true;
        break;
      case MISSING_VALUE:
        throw UsageError("option '" + refused_argument(argv) + "' needs a value");
      default:  // '?'
        throw UsageError("unknown option '" + refused_argument(argv) + "'");
    }
  }
  if (argc - optind > 1) {
    throw UsageError("one FILE at most can be played, not " + std::to_string(argc - optind));
  }
  if (optind < argc) {
    options.stream_path = argv[optind];
  }
  check_combination(options);
  return options;
}

std::string usage_text() {
  return "Usage: textshow-play [OPTION]... [FILE]\n"
         "Plays the textshow show in the terminal, redrawn in place and paced by the clock.\n"
         "With FILE, plays a stream of frames that textshow wrote instead; with -, standard input.\n"
         "\n"
         "  --fps N          frames a second of the stages that wait once a frame (default 25,\n"
         "                   1 to 1000); the marquee stays 3 times and the tunnel 2 times as long\n"
         "  --loop           play again and again until a key is pressed\n"
         "  --record FILE    write an asciicast recording to FILE (- for standard output)\n"
         "                   instead; needs no terminal\n"
         "  --color=WHEN     colour the show: auto (where the terminal has colours and NO_COLOR\n"
         "                   is not set; the default), always (recordings too) or never\n"
         "  --crop           in a terminal smaller than the show, its centre at full size\n"
         "                   instead of all of it scaled down\n"
         "  -h, --help       show this help and exit\n"
         "      --version    show the version and exit\n"
         "\n"
         "Keys: q or Esc quit, space pauses, + and - change the speed, n skips to the next stage.\n";
}

}  // namespace textshow::play
