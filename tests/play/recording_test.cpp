#include "play/recording.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "play/asciicast_writer.hpp"

namespace textshow::play {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

Frame lettered_frame(char letter) {
  Frame frame;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    frame.set_row(r, std::string(static_cast<std::size_t>(r + 1), letter));
  }
  return frame;
}

TEST(FrameDrawing, DrawsFromTheTopLeftWithoutScrolling) {
  const std::string drawing = frame_drawing(lettered_frame('"'));
  EXPECT_EQ(drawing.substr(0, 4), "\x1b[H\"");
  std::string rows;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    if (r != 0) {
      rows += "\r\n";
    }
    std::string row(static_cast<std::size_t>(r + 1), '"');
    row.resize(FRAME_WIDTH, ' ');
    rows += row;
  }
  EXPECT_EQ(drawing.substr(3), rows);
}

TEST(RecordFrames, PlacesEachFrameAtItsTimeInTheShowsRhythm) {
  const Stage stages[] = {
      {"marquee", 2, 3, nullptr},
      {"loading", 1, 0, nullptr},
      {"tunnel", 1, 2, nullptr},
  };
  const StagePlan plan(stages);
  const std::vector<Frame> frames = {lettered_frame('a'), lettered_frame('b'), lettered_frame('c'),
                                     lettered_frame('d'), lettered_frame('e')};
  std::ostringstream out;
  ShowTally tally(plan.count());
  FrameFeed feed(frames);
  const StopSignals signals;
  record_frames(feed, plan, 25, out, tally, ColorDepth::MONOCHROME, signals);

  const std::vector<std::string> lines = lines_of(out.str());
  ASSERT_EQ(lines.size(), 1 + 1 + frames.size() + 1) << "header, clearing, frames, cursor back";
  EXPECT_EQ(lines[0], R"({"version": 2, "width": 100, "height": 50})");
  EXPECT_EQ(lines[1], R"([0.000000, "o", "\u001b[?25l\u001b[2J"])");
  const std::string_view times[] = {"0.000000", "0.120000", "0.240000", "0.280000", "0.360000"};
  for (std::size_t f = 0; f < frames.size(); ++f) {
    std::ostringstream event;
    event << '[' << times[f] << ", \"o\", " << json_string(frame_drawing(frames[f])) << ']';
    EXPECT_EQ(lines[2 + f], event.str()) << "frame " << f;
  }
  EXPECT_EQ(lines.back(), R"([0.400000, "o", "\u001b[?25h"])") << "the last frame keeps its time";
  EXPECT_EQ(tally.frames(0), 2);
  EXPECT_EQ(tally.time(0), std::chrono::milliseconds(240));
  EXPECT_EQ(tally.frames(3), 1) << "the frame past the listed stages";
}

// The recording without its colour sequences (ESC [ digits and ; m, escaped
// in JSON). Searched by hand: GCC 12 warns inside <regex> under the sanitizers.
std::string without_colors(std::string text) {
  constexpr std::string_view START = R"(\u001b[)";
  for (std::size_t at = text.find(START); at != std::string::npos; at = text.find(START, at)) {
    const std::size_t end = text.find_first_not_of("0123456789;", at + START.size());
    if (end != std::string::npos && text[end] == 'm') {
      text.erase(at, end + 1 - at);
    } else {
      at += START.size();
    }
  }
  return text;
}

TEST(RecordFrames, ColoursEachFrameInItsStagesPaletteWithoutChangingACharacter) {
  const StagePlan plan = StagePlan::of_show();
  const std::vector<Frame> frames = {lettered_frame('#'), lettered_frame('X')};
  std::ostringstream plain;
  std::ostringstream colored;
  ShowTally tally(plan.count());
  const StopSignals signals;
  FrameFeed plain_feed(frames);
  FrameFeed colored_feed(frames);
  record_frames(plain_feed, plan, 25, plain, tally, ColorDepth::MONOCHROME, signals);
  record_frames(colored_feed, plan, 25, colored, tally, ColorDepth::COLORS_256, signals);

  FrameColors colors{};
  color_frame(frames[0], 0, ColorDepth::COLORS_256, colors);
  const std::string first = R"(\u001b[38;5;)" + std::to_string(colors[0]) + "m#";
  EXPECT_NE(colored.str().find(first), std::string::npos) << "the marquee's colour before its first cell";
  EXPECT_NE(colored.str().find(R"(\u001b[0m\u001b[?25h")"), std::string::npos) << "colours put back at the end";
  EXPECT_EQ(without_colors(colored.str()), without_colors(plain.str()));
  EXPECT_EQ(without_colors(plain.str()), plain.str()) << "a plain recording has no colour";
}

}  // namespace
}  // namespace textshow::play
