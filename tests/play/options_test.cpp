#include "play/options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textshow::play {
namespace {

// Parses a command line given as one string per argument, program name first.
Options parse(std::vector<std::string> args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  return parse_options(static_cast<int>(args.size()), argv.data());
}

std::string joined(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& arg : args) {
    line += arg + " ";
  }
  return line;
}

TEST(ParseOptions, ReadsWhatTheCommandLineAsksFor) {
  struct Case {
    std::vector<std::string> args;
    int fps;
    bool loop;
    std::optional<std::string> record_path;
    std::optional<std::string> stream_path;
  };
  const Case cases[] = {
      {{"textshow-play"}, 25, false, {}, {}},
      {{"textshow-play", "--fps", "60", "--loop"}, 60, true, {}, {}},
      {{"textshow-play", "--fps=1", "show.txt"}, 1, false, {}, "show.txt"},
      {{"textshow-play", "-", "--fps", "1000"}, 1000, false, {}, "-"},
      {{"textshow-play", "--record", "show.cast", "-"}, 25, false, "show.cast", "-"},
      {{"textshow-play", "--rec=a.cast", "--", "--odd-name"}, 25, false, "a.cast", "--odd-name"},
  };
  for (const Case& c : cases) {
    const Options options = parse(c.args);
    EXPECT_EQ(options.fps, c.fps) << joined(c.args);
    EXPECT_EQ(options.loop, c.loop) << joined(c.args);
    EXPECT_EQ(options.record_path, c.record_path) << joined(c.args);
    EXPECT_EQ(options.stream_path, c.stream_path) << joined(c.args);
  }
  EXPECT_TRUE(parse({"textshow-play", "--help"}).help);
  EXPECT_TRUE(parse({"textshow-play", "-h"}).help);
  EXPECT_TRUE(parse({"textshow-play", "--version"}).version);
}

TEST(ParseOptions, ReadsHowToColourAndFitTheShow) {
  struct Case {
    std::vector<std::string> args;
    ColorMode color;
    bool crop;
  };
  const Case cases[] = {
      {{"textshow-play"}, ColorMode::AUTO, false},
      {{"textshow-play", "--color=never", "--crop"}, ColorMode::NEVER, true},
      {{"textshow-play", "--color", "always"}, ColorMode::ALWAYS, false},
      {{"textshow-play", "--color=always", "--color=auto"}, ColorMode::AUTO, false},
  };
  for (const Case& c : cases) {
    const Options options = parse(c.args);
    EXPECT_EQ(options.color, c.color) << joined(c.args);
    EXPECT_EQ(options.crop, c.crop) << joined(c.args);
  }
}

TEST(ParseOptions, ReadsWhatAGifIsMadeOf) {
  struct Case {
    std::vector<std::string> args;
    std::optional<std::string> font_path;
    int font_size;
    int first_stage;
    int last_stage;
    ColorMode color;
  };
  const int all = StageRange{}.last;
  const Case cases[] = {
      {{"textshow-play", "--gif", "show.gif"}, {}, DEFAULT_FONT_SIZE, 0, all, ColorMode::AUTO},
      {{"textshow-play", "--gif=show.gif", "--font", "a.ttf", "--font-size", "20", "--color", "never"},
       "a.ttf", 20, 0, all, ColorMode::NEVER},
      {{"textshow-play", "--gif", "show.gif", "--from", "tunnel", "--to", "plasma", "--color=always"},
       {}, DEFAULT_FONT_SIZE, 3, 5, ColorMode::ALWAYS},
      {{"textshow-play", "--gif", "show.gif", "--from=tunnel loading", "--to", "tunnel"},
       {}, DEFAULT_FONT_SIZE, 2, 3, ColorMode::AUTO},
      {{"textshow-play", "--gif", "show.gif", "--from", "7", "--to", "7"}, {}, DEFAULT_FONT_SIZE, 6, 6,
       ColorMode::AUTO},
      {{"textshow-play", "--gif", "show.gif", "--to", "1", "-"}, {}, DEFAULT_FONT_SIZE, 0, 0, ColorMode::AUTO},
  };
  for (const Case& c : cases) {
    const Options options = parse(c.args);
    EXPECT_EQ(options.gif_path, "show.gif") << joined(c.args);
    EXPECT_EQ(options.font_path, c.font_path) << joined(c.args);
    EXPECT_EQ(options.font_size, c.font_size) << joined(c.args);
    EXPECT_EQ(options.stages.first, c.first_stage) << joined(c.args);
    EXPECT_EQ(options.stages.last, c.last_stage) << joined(c.args);
    EXPECT_EQ(options.color, c.color) << joined(c.args);
  }
}

TEST(ParseOptions, SaysWhatIsWrongWithACommandLine) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"textshow-play", "--bogus"}, "unknown option '--bogus'"},
      {{"textshow-play", "-x"}, "unknown option '-x'"},
      {{"textshow-play", "--fps"}, "option '--fps' needs a value"},
      {{"textshow-play", "--record"}, "option '--record' needs a value"},
      {{"textshow-play", "--fps", "0"}, "--fps needs a whole number from 1 to 1000, not '0'"},
      {{"textshow-play", "--fps", "1001"}, "--fps needs a whole number from 1 to 1000, not '1001'"},
      {{"textshow-play", "--fps", "-5"}, "--fps needs a whole number from 1 to 1000, not '-5'"},
      {{"textshow-play", "--fps", "2.5"}, "--fps needs a whole number from 1 to 1000, not '2.5'"},
      {{"textshow-play", "--fps", "fast"}, "--fps needs a whole number from 1 to 1000, not 'fast'"},
      {{"textshow-play", "--fps="}, "--fps needs a whole number from 1 to 1000, not ''"},
      {{"textshow-play", "--fps", "99999999999"}, "--fps needs a whole number from 1 to 1000, not '99999999999'"},
      {{"textshow-play", "a", "b"}, "one FILE at most can be played, not 2"},
      {{"textshow-play", "--loop", "--record", "x.cast"}, "--loop and --record cannot go together: a recording has an end"},
      {{"textshow-play", "--color"}, "option '--color' needs a value"},
      {{"textshow-play", "--color=yes"}, "--color needs auto, always or never, not 'yes'"},
      {{"textshow-play", "--color", ""}, "--color needs auto, always or never, not ''"},
      {{"textshow-play", "--crop=1"}, "unknown option '--crop=1'"},
      {{"textshow-play", "--loop=yes"}, "unknown option '--loop=yes'"},
      {{"textshow-play", "-hx"}, "unknown option '-x'"},
      {{"textshow-play", "--loop", "--gif", "x.gif"}, "--loop and --gif cannot go together: a GIF loops by itself"},
      {{"textshow-play", "--record", "x.cast", "--gif", "x.gif"},
       "--record and --gif cannot go together: one recording at a time"},
      {{"textshow-play", "--gif"}, "option '--gif' needs a value"},
      {{"textshow-play", "--gif", "x.gif", "--from"}, "option '--from' needs a value"},
      {{"textshow-play", "--from", "tunnel"}, "--font, --font-size, --from and --to are for a GIF: they need --gif"},
      {{"textshow-play", "--font-size", "20"}, "--font, --font-size, --from and --to are for a GIF: they need --gif"},
      {{"textshow-play", "--gif", "x.gif", "--font-size", "5"}, "--font-size needs a whole number from 6 to 72, not '5'"},
      {{"textshow-play", "--gif", "x.gif", "--font-size", "73"}, "--font-size needs a whole number from 6 to 72, not '73'"},
      {{"textshow-play", "--gif", "x.gif", "--from", "spiral"},
       "--from needs a stage, one of marquee, stripes, tunnel loading, tunnel, plasma loading, plasma, twister, "
       "further frames or its number from 1, not 'spiral'"},
      {{"textshow-play", "--gif", "x.gif", "--to", "0"},
       "--to needs a stage, one of marquee, stripes, tunnel loading, tunnel, plasma loading, plasma, twister, "
       "further frames or its number from 1, not '0'"},
      {{"textshow-play", "--gif", "x.gif", "--from", "twister", "--to", "tunnel"},
       "--from names a stage after that of --to"},
      {{"textshow-play", "--color", "sometimes"}, "--color needs auto, always or never, not 'sometimes'"},
  };
  for (const Case& c : cases) {
    try {
      parse(c.args);
      ADD_FAILURE() << joined(c.args) << "was accepted";
    } catch (const UsageError& error) {
      EXPECT_EQ(error.what(), c.message) << joined(c.args);
    }
  }
}

}  // namespace
}  // namespace textshow::play
