#include "play/frame_feed.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace textshow::play {
namespace {

std::string dotted_rows(int rows) {
  std::string text;
  for (int r = 0; r < rows; ++r) {
    text += std::string(FRAME_WIDTH, '.') + "\r\n";
  }
  return text;
}

TEST(FrameFeed, ReadsAPipeThatEndsInTheMiddleOfAFrame) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const std::string sent = dotted_rows(FRAME_HEIGHT * 2 + 3);
  ASSERT_EQ(write(ends[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
  close(ends[1]);

  FrameFeed feed(ends[0], "the pipe");
  EXPECT_EQ(feed.descriptor(), ends[0]);
  feed.read_all();
  EXPECT_TRUE(feed.ended());
  EXPECT_LT(feed.descriptor(), 0);
  ASSERT_EQ(feed.frames().size(), 3U) << "two whole frames and the three rows of a third";
  EXPECT_EQ(feed.frames()[2].row(2), std::string(FRAME_WIDTH, '.'));
  EXPECT_EQ(feed.frames()[2].row(3), std::string(FRAME_WIDTH, ' '));
}

TEST(FrameFeed, HoldsGivenFramesAsEnded) {
  const FrameFeed feed(std::vector<Frame>(4));
  EXPECT_TRUE(feed.ended());
  EXPECT_EQ(feed.frames().size(), 4U);
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

}  // namespace
}  // namespace textshow::play
