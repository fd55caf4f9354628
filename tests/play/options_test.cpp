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
