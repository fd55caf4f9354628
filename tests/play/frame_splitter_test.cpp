#include "play/frame_splitter.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "play/frame_feed.hpp"
#include "play/stage_plan.hpp"
#include "run/show.hpp"

namespace textshow::play {
namespace {

std::string numbered_row(int f, int r) {
  std::string row = std::to_string(f) + "." + std::to_string(r);
  row.resize(FRAME_WIDTH, ' ');
  return row;
}

// A stream of `frames` frames whose rows read "<frame>.<row>", each row ended by `line_end`.
std::string numbered_stream(int frames, std::string_view line_end) {
  std::string stream;
  for (int f = 0; f < frames; ++f) {
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      stream += numbered_row(f, r);
      stream += line_end;
    }
  }
  return stream;
}

// The stream that the frames came from: CR LF after each row, LF alone after
// rows 1 to 49 of a tunnel frame.
std::string rejoined(const std::vector<Frame>& frames, const StagePlan& plan) {
  std::string stream;
  for (std::size_t f = 0; f < frames.size(); ++f) {
    const bool tunnel = plan.stage(plan.stage_of(static_cast<int>(f))).name == "tunnel";
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      stream += frames[f].row(r);
      stream += tunnel && r < FRAME_HEIGHT - 1 ? "\n" : "\r\n";
    }
  }
  return stream;
}

void no_wait() {}

// The show's whole output, as textshow writes it.
std::string show_stream() {
  char* data = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&data, &size);
  const auto work = std::make_unique<WorkArea>();
  const Console console{.out = out, .speed_setting = 0, .delay_unit = no_wait};
  play_show(console, *work);
  finish_show(console);
  std::fclose(out);
  std::string stream(data, size);
  std::free(data);
  return stream;
}

TEST(FrameSplitter, FindsEveryFrameOfTheShowAndLosesNoByte) {
  const StagePlan plan = StagePlan::of_show();
  const std::string stream = show_stream();
  const std::vector<Frame> frames = split_frames(stream);
  EXPECT_EQ(static_cast<int>(frames.size()), plan.listed_frames());
  EXPECT_EQ(rejoined(frames, plan) + '\0', stream) << "bytes the frames do not account for";
  EXPECT_EQ(show_frames(), frames) << "the frames played in process differ from the stream";
}

TEST(FrameSplitter, KeepsEveryRowWhateverTheLineEnd) {
  for (const std::string_view line_end : {"\r\n", "\n"}) {
    const std::vector<Frame> frames = split_frames(numbered_stream(3, line_end));
    ASSERT_EQ(frames.size(), 3U) << "line end size " << line_end.size();
    for (int f = 0; f < 3; ++f) {
      for (int r = 0; r < FRAME_HEIGHT; ++r) {
        ASSERT_EQ(frames[static_cast<std::size_t>(f)].row(r), numbered_row(f, r))
            << "frame " << f << " row " << r << ", line end size " << line_end.size();
      }
    }
  }
}

TEST(FrameSplitter, GivesTheSameFramesHoweverTheStreamIsCut) {
  const std::string stream = numbered_stream(2, "\r\n");
  const std::vector<Frame> whole = split_frames(stream);
  for (const std::size_t piece : {1U, 2U, 101U, 5099U, 5101U, 20000U}) {
    FrameSplitter splitter;
    std::vector<Frame> frames;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
      for (std::string_view rest = std::string_view(stream).substr(at, piece); !rest.empty();) {
        rest.remove_prefix(splitter.feed(rest));
        if (splitter.has_frame()) {
          frames.push_back(splitter.take_frame());
        }
      }
    }
    splitter.finish();
    EXPECT_FALSE(splitter.has_frame()) << "pieces of " << piece;
    EXPECT_EQ(frames, whole) << "pieces of " << piece;
  }
}

// It holds one frame at most: it stops at the byte that completes a frame
// and takes nothing more until that frame is taken.
TEST(FrameSplitter, StopsAtTheEndOfEachFrame) {
  const std::string stream = numbered_stream(3, "\r\n");
  const std::size_t frame_size = stream.size() / 3;
  FrameSplitter splitter;
  EXPECT_EQ(splitter.feed(stream), frame_size);
  ASSERT_TRUE(splitter.has_frame());
  EXPECT_EQ(splitter.feed(std::string_view(stream).substr(frame_size)), 0U) << "a frame waits to be taken";
  EXPECT_EQ(splitter.take_frame().row(FRAME_HEIGHT - 1), numbered_row(0, FRAME_HEIGHT - 1));
  EXPECT_FALSE(splitter.has_frame());
  EXPECT_EQ(splitter.feed(std::string_view(stream).substr(frame_size)), frame_size);
  EXPECT_EQ(splitter.take_frame().row(0), numbered_row(1, 0));
}

TEST(FrameSplitter, PlaysWhatATruncatedStreamHas) {
  const std::string stream = numbered_stream(2, "\r\n");
  struct Case {
    std::size_t kept;
    std::size_t frames;
    int rows_of_last;
  };
  const Case cases[] = {
      {0, 0, 0},                         // nothing at all
      {3, 1, 1},                         // the first row's text, without its line end
      {5100 - 1, 1, FRAME_HEIGHT},       // cut between CR and LF of the last row
      {5100, 1, FRAME_HEIGHT},           // exactly one frame
      {5100 + 102 * 7, 2, 7},            // seven rows of the second
  };
  for (const Case& c : cases) {
    const std::vector<Frame> frames = split_frames(std::string_view(stream).substr(0, c.kept));
    ASSERT_EQ(frames.size(), c.frames) << "first " << c.kept << " bytes";
    if (c.frames == 0) {
      continue;
    }
    const Frame& last = frames.back();
    const int f = static_cast<int>(c.frames) - 1;
    for (int r = 0; r < c.rows_of_last; ++r) {
      EXPECT_EQ(last.row(r), numbered_row(f, r)) << "first " << c.kept << " bytes, row " << r;
    }
    for (int r = c.rows_of_last; r < FRAME_HEIGHT; ++r) {
      EXPECT_EQ(last.row(r), std::string(FRAME_WIDTH, ' ')) << "first " << c.kept << " bytes, row " << r;
    }
  }
}

TEST(FrameSplitter, ShowsEveryRowAsPrintableCharacters) {
  struct Case {
    std::string_view row;
    std::string_view shown;
  };
  const Case cases[] = {
      {R"(plain "text" \ ~)", R"(plain "text" \ ~)"},
      {"a\rb", "a?b"},         // a CR that ends no row
      {"a\r\rb", "a??b"},
      {"tab\there", "tab?here"},
      {"\x1b[H", "?[H"},
      {"\x7f\xc3\xa9", "???"},
      {std::string_view("a\0b", 3), "ab"},  // the show's closing byte
  };
  for (const Case& c : cases) {
    std::string frame_text(c.row);
    frame_text += "\r\n";
    for (int r = 1; r < FRAME_HEIGHT; ++r) {
      frame_text += "\n";
    }
    const std::vector<Frame> frames = split_frames(frame_text);
    ASSERT_EQ(frames.size(), 1U) << testing::PrintToString(std::string(c.row));
    std::string expected(c.shown);
    expected.resize(FRAME_WIDTH, ' ');
    EXPECT_EQ(frames[0].row(0), expected) << testing::PrintToString(std::string(c.row));
  }
}

TEST(FrameSplitter, CutsRowsWiderThanAFrame) {
  const std::string wide(FRAME_WIDTH + 30, '#');
  std::string stream;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    stream += wide + "\r\n";
  }
  const std::vector<Frame> frames = split_frames(stream);
  ASSERT_EQ(frames.size(), 1U);
  EXPECT_EQ(frames[0].row(FRAME_HEIGHT - 1), std::string(FRAME_WIDTH, '#'));
}

}  // namespace
}  // namespace textshow::play
