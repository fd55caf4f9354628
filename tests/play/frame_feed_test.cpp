#include "play/frame_feed.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace textshow::play {
namespace {

// A stream of `frames` frames whose first row reads the frame's number from
// `first` and whose other rows are blank, ended by LF alone.
std::string numbered_frames(int first, int frames) {
  std::string text;
  for (int f = first; f < first + frames; ++f) {
    text += std::to_string(f) + std::string(FRAME_HEIGHT, '\n');
  }
  return text;
}

// The number on the first row of each frame the feed gives until it ends.
std::vector<int> numbers_played(FrameFeed& feed) {
  std::vector<int> numbers;
  while (!feed.ended()) {
    if (feed.has_frame()) {
      numbers.push_back(std::stoi(std::string(feed.front().row(0))));
      feed.pop();
    } else {
      feed.read_some();
    }
  }
  return numbers;
}

std::vector<int> counting(int first, int count) {
  std::vector<int> numbers;
  for (int n = first; n < first + count; ++n) {
    numbers.push_back(n);
  }
  return numbers;
}

// The read end of a pipe that holds `text` (at most a pipe's capacity) and
// whose write end is closed.
int pipe_holding(const std::string& text) {
  int ends[2];
  if (pipe(ends) != 0 || write(ends[1], text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot fill a pipe");
  }
  close(ends[1]);
  return ends[0];
}

// A regular file that holds `text`, already removed from its folder.
int file_holding(const std::string& text) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0) {
    throw std::runtime_error("cannot fill a file");
  }
  const int descriptor = dup(fileno(file));
  std::fclose(file);
  lseek(descriptor, 0, SEEK_SET);
  return descriptor;
}

TEST(FrameFeed, ReadsAPipeThatEndsInTheMiddleOfAFrame) {
  const std::string rows = std::string(FRAME_WIDTH, '.') + "\r\n";
  std::string sent;
  for (int r = 0; r < FRAME_HEIGHT * 2 + 3; ++r) {
    sent += rows;
  }
  FrameFeed feed(pipe_holding(sent), "the pipe", false);
  std::vector<Frame> frames;
  while (!feed.ended()) {
    if (feed.has_frame()) {
      frames.push_back(feed.front());
      feed.pop();
    } else {
      feed.read_some();
    }
  }
  EXPECT_LT(feed.descriptor(), 0);
  ASSERT_EQ(frames.size(), 3U) << "two whole frames and the three rows of a third";
  EXPECT_EQ(frames[2].row(2), std::string(FRAME_WIDTH, '.'));
  EXPECT_EQ(frames[2].row(3), std::string(FRAME_WIDTH, ' '));
  EXPECT_TRUE(feed.held_frame());
}

// A stream far longer than the feed holds, read as the player reads it: only
// while the feed wants more. It never reads further ahead of the frames taken
// than its most frames and one read's buffer (64 KiB), and loses no frame.
TEST(FrameFeed, ReadsNoFurtherAheadThanItsMost) {
  const int frames = FrameFeed::MAX_FRAMES_AHEAD * 20;
  const std::string stream = numbered_frames(10000, frames);
  const auto frame_size = static_cast<off_t>(stream.size()) / frames;
  const off_t most_ahead = FrameFeed::MAX_FRAMES_AHEAD * frame_size + (1 << 16);
  const int descriptor = file_holding(stream);
  FrameFeed feed(descriptor, "the file", false);
  int taken = 0;
  bool was_full = false;
  while (!feed.ended()) {
    if (feed.descriptor() >= 0) {
      feed.read_some();
    } else {
      was_full = was_full || lseek(descriptor, 0, SEEK_CUR) < static_cast<off_t>(stream.size());
      EXPECT_EQ(std::stoi(std::string(feed.front().row(0))), 10000 + taken);
      feed.pop();
      ++taken;
    }
    ASSERT_LE(lseek(descriptor, 0, SEEK_CUR), taken * frame_size + most_ahead) << taken << " frames taken";
  }
  EXPECT_TRUE(was_full) << "the feed never held its most before the stream's end";
  EXPECT_EQ(taken, frames);
}

TEST(FrameFeed, PlaysAgainWhatItHoldsOrRereadsAFile) {
  const std::vector<Frame> three(3);
  FrameFeed show(three);
  for (int pass = 0; pass < 2; ++pass) {
    int count = 0;
    for (; show.has_frame(); show.pop()) {
      ++count;
    }
    EXPECT_EQ(count, 3) << "pass " << pass;
    EXPECT_TRUE(show.ended());
    EXPECT_TRUE(show.replay());
  }

  FrameFeed file(file_holding(numbered_frames(0, 3)), "the file", true);
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(numbers_played(file), counting(0, 3)) << "pass " << pass;
    EXPECT_TRUE(file.replay());
  }
}

// Of a stream that cannot be read again, the first MAX_FRAMES_KEPT frames are
// kept and played again, however long the stream.
TEST(FrameFeed, KeepsTheFirstFramesOfAStreamToPlayAgain) {
  const int kept = FrameFeed::MAX_FRAMES_KEPT;
  struct Case {
    int frames;
    int replayed;
  };
  const Case cases[] = {{3, 3}, {kept, kept}, {kept + 7, kept}};
  for (const Case& c : cases) {
    FrameFeed feed(pipe_holding(numbered_frames(0, c.frames)), "the pipe", true);
    EXPECT_EQ(numbers_played(feed), counting(0, c.frames)) << c.frames << " frames";
    for (int pass = 0; pass < 2; ++pass) {
      ASSERT_TRUE(feed.replay());
      EXPECT_EQ(numbers_played(feed), counting(0, c.replayed)) << c.frames << " frames, replay " << pass;
    }
  }
}

TEST(FrameFeed, HasNothingToPlayAgainOfAnEmptyStreamOrWithoutReplay) {
  FrameFeed empty(pipe_holding(""), "the pipe", true);
  EXPECT_TRUE(numbers_played(empty).empty());
  EXPECT_FALSE(empty.held_frame());
  EXPECT_FALSE(empty.replay());

  FrameFeed once(pipe_holding(numbered_frames(0, 2)), "the pipe", false);
  EXPECT_EQ(numbers_played(once), counting(0, 2));
  EXPECT_FALSE(once.replay()) << "frames kept without a replay asked for";
}

TEST(OpenStream, TakesDashForStandardInput) { EXPECT_EQ(open_stream("-"), STDIN_FILENO); }

TEST(OpenStream, NamesTheFileItCannotRead) {
  const std::filesystem::path directory = std::filesystem::temp_directory_path();
  struct Case {
    std::string path;
    int error;
  };
  const Case cases[] = {
      {(directory / "textshow-play-no-such-file").string(), ENOENT},
      {directory.string(), EISDIR},
  };
  for (const Case& c : cases) {
    try {
      open_stream(c.path);
      ADD_FAILURE() << c.path << " was opened";
    } catch (const std::system_error& error) {
      EXPECT_EQ(error.code().value(), c.error) << c.path;
      EXPECT_NE(std::string(error.what()).find("cannot read " + c.path), std::string::npos) << error.what();
    }
  }
}

// Keys typed at a terminal are no stream of frames: a terminal is refused,
// named or as standard input.
TEST(OpenStream, RefusesATerminal) {
  const int controller = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(controller, 0);
  ASSERT_EQ(grantpt(controller), 0);
  ASSERT_EQ(unlockpt(controller), 0);
  const std::string terminal = ptsname(controller);

  EXPECT_THROW(
      {
        try {
          open_stream(terminal);
        } catch (const std::runtime_error& error) {
          EXPECT_EQ(std::string(error.what()), terminal + " is a terminal, not a stream of frames");
          throw;
        }
      },
      std::runtime_error);

  const int saved_input = dup(STDIN_FILENO);
  const int opened = open(terminal.c_str(), O_RDONLY | O_NOCTTY);
  ASSERT_GE(opened, 0);
  dup2(opened, STDIN_FILENO);
  close(opened);
  std::string refusal;
  try {
    open_stream("-");
  } catch (const std::runtime_error& error) {
    refusal = error.what();
  }
  dup2(saved_input, STDIN_FILENO);
  close(saved_input);
  close(controller);
  EXPECT_EQ(refusal.rfind("standard input is a terminal, not a stream of frames", 0), 0U) << refusal;
}

}  // namespace
}  // namespace textshow::play
