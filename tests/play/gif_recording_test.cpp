#include "play/gif_recording.hpp"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <limits>
#include <stdexcept>

#include "gif_reading.hpp"
#include "play/frame_feed.hpp"

namespace textshow::play {
namespace {

namespace gif = testing;
using std::chrono::milliseconds;

constexpr int ALL = std::numeric_limits<int>::max();

// Stages of 2, 1 and 3 frames that stay 3 units, 1 (not waiting) and 1.
const Stage STAGES[] = {
    {"slow", 2, 3, nullptr},
    {"loading", 1, 0, nullptr},
    {"quick", 3, 1, nullptr},
};

// A frame told apart from the others by its letter, written in its own place.
Frame lettered(int index) {
  Frame frame;
  frame.set_row(index * 3, std::string(static_cast<std::size_t>(index + 1), static_cast<char>('a' + index)));
  return frame;
}

std::vector<Frame> lettered_frames(int count) {
  std::vector<Frame> frames;
  frames.reserve(static_cast<std::size_t>(count));
  for (int index = 0; index < count; ++index) {
    frames.push_back(lettered(index));
  }
  return frames;
}

// The first `count` lettered frames as textshow writes them.
std::string stream_of(int count) {
  std::string sent;
  for (int index = 0; index < count; ++index) {
    const Frame frame = lettered(index);
    for (int r = 0; r < FRAME_HEIGHT; ++r) {
      sent += std::string(frame.row(r)) + "\r\n";
    }
  }
  return sent;
}

gif::DecodedGif record(FrameFeed& feed, const StagePlan& plan, const GifSettings& settings, ShowTally& tally) {
  gif::GifOutput out;
  const GlyphAtlas& atlas = gif::default_atlas();
  GifWriter writer(out.stream(), "memory", GifAnimation::width(atlas), GifAnimation::height(atlas));
  GifAnimation animation(atlas, writer);
  record_gif(feed, plan, settings, animation, tally);
  writer.finish();
  return gif::decode_gif(out.bytes());
}

// The picture of `frame` alone.
std::vector<Rgb> picture_of(const Frame& frame) {
  const StagePlan plan(STAGES);
  FrameFeed feed({frame});
  ShowTally tally(plan.count());
  return gif::picture_after(record(feed, plan, {}, tally), 0);
}

std::vector<int> delays_of(const gif::DecodedGif& gif) {
  std::vector<int> delays;
  for (const auto& image : gif.images) {
    delays.push_back(image.delay);
  }
  return delays;
}

TEST(RecordGif, PacesEachStageAsThePlayerDoes) {
  const StagePlan plan(STAGES);
  FrameFeed feed(lettered_frames(7));
  ShowTally tally(plan.count());
  const gif::DecodedGif gif = record(feed, plan, {.fps = 25, .depth = ColorDepth::MONOCHROME, .stages = {}}, tally);
  EXPECT_EQ(delays_of(gif), (std::vector<int>{12, 12, 4, 4, 4, 4, 4})) << "the last frame is one of further frames";
  EXPECT_EQ(gif.total_delay(), 44);
  EXPECT_TRUE(gif.loops);
  EXPECT_EQ(tally.frames(0), 2);
  EXPECT_EQ(tally.time(0), milliseconds(240));
  EXPECT_EQ(tally.frames(3), 1);
  for (int index = 0; index < 7; ++index) {
    EXPECT_TRUE(gif::picture_after(gif, index) == picture_of(lettered(index))) << "image " << index;
  }
}

TEST(RecordGif, CutsAnExcerptOfTheStagesAskedFor) {
  struct Case {
    StageRange stages;
    int first_frame;
    std::vector<int> delays;
  };
  const Case cases[] = {
      {{.first = 0, .last = 0}, 0, {12, 12}},
      {{.first = 1, .last = 1}, 2, {4}},
      {{.first = 2, .last = 2}, 3, {4, 4, 4}},
      {{.first = 1, .last = 2}, 2, {4, 4, 4, 4}},
      {{.first = 2, .last = ALL}, 3, {4, 4, 4, 4}},
  };
  const StagePlan plan(STAGES);
  for (const Case& c : cases) {
    FrameFeed feed(lettered_frames(7));
    ShowTally tally(plan.count());
    const gif::DecodedGif gif = record(feed, plan, {.fps = 25, .depth = ColorDepth::MONOCHROME, .stages = c.stages}, tally);
    EXPECT_EQ(delays_of(gif), c.delays) << "stages " << c.stages.first << " to " << c.stages.last;
    for (int stage = 0; stage < plan.count(); ++stage) {
      EXPECT_EQ(tally.frames(stage) > 0, c.stages.holds(stage)) << "stage " << stage;
    }
    EXPECT_TRUE(gif::picture_after(gif, 0) == picture_of(lettered(c.first_frame)))
        << "stages " << c.stages.first << " to " << c.stages.last << " begin with frame " << c.first_frame;
  }
}

TEST(RecordGif, LeavesOutFramesTooShortForAGifButNotTheLast) {
  const StagePlan plan(STAGES);
  FrameFeed feed(lettered_frames(6));
  ShowTally tally(plan.count());
  const gif::DecodedGif gif = record(feed, plan, {.fps = 100, .depth = ColorDepth::MONOCHROME, .stages = {.first = 2, .last = 2}}, tally);
  EXPECT_EQ(delays_of(gif), (std::vector<int>{2, 1})) << "three frames of 1 hundredth";
  EXPECT_TRUE(gif::picture_after(gif, 0) == picture_of(lettered(4)));
  EXPECT_TRUE(gif::picture_after(gif, 1) == picture_of(lettered(5)));
  EXPECT_EQ(tally.frames(2), 3) << "every frame counts";
}

TEST(RecordGif, ReadsAStreamAsItComes) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const std::string sent = stream_of(3);
  ASSERT_EQ(write(ends[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
  close(ends[1]);
  const StagePlan plan(STAGES);
  FrameFeed feed(ends[0], "the pipe", false);
  ShowTally tally(plan.count());
  const gif::DecodedGif gif = record(feed, plan, {.fps = 25, .depth = ColorDepth::MONOCHROME, .stages = {}}, tally);
  EXPECT_EQ(delays_of(gif), (std::vector<int>{12, 12, 4}));
  EXPECT_TRUE(gif::picture_after(gif, 2) == picture_of(lettered(2)));
}

TEST(RecordGif, StopsReadingAfterTheLastStageAskedFor) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const std::string sent = stream_of(3);
  ASSERT_EQ(write(ends[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
  // The writer stays: one more read would find nothing, and a read that
  // cannot wait fails.
  ASSERT_EQ(fcntl(ends[0], F_SETFL, O_NONBLOCK), 0);
  const StagePlan plan(STAGES);
  FrameFeed feed(ends[0], "the pipe", false);
  ShowTally tally(plan.count());
  const gif::DecodedGif gif =
      record(feed, plan, {.fps = 25, .depth = ColorDepth::MONOCHROME, .stages = {.first = 0, .last = 0}}, tally);
  EXPECT_EQ(delays_of(gif), (std::vector<int>{12, 12}));
  close(ends[1]);
}

TEST(RecordGif, RefusesToMakeAGifOfNothing) {
  const StagePlan plan(STAGES);
  for (const StageRange stages : {StageRange{}, StageRange{.first = 3, .last = 3}}) {
    FrameFeed feed(lettered_frames(stages.first == 0 ? 0 : 6));
    ShowTally tally(plan.count());
    EXPECT_THROW(record(feed, plan, {.fps = 25, .depth = ColorDepth::MONOCHROME, .stages = stages}, tally), std::runtime_error);
  }
}

TEST(GifColorDepth, IsColourUnlessAskedNotToBe) {
  struct Case {
    const char* no_color;
    ColorMode choice;
    ColorDepth depth;
  };
  const Case cases[] = {
      {nullptr, ColorMode::AUTO, ColorDepth::COLORS_256},  {"", ColorMode::AUTO, ColorDepth::COLORS_256},
      {"1", ColorMode::AUTO, ColorDepth::MONOCHROME},      {"1", ColorMode::ALWAYS, ColorDepth::COLORS_256},
      {nullptr, ColorMode::NEVER, ColorDepth::MONOCHROME},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gif_color_depth(c.choice, c.no_color), c.depth)
        << static_cast<int>(c.choice) << " with NO_COLOR " << (c.no_color == nullptr ? "unset" : c.no_color);
  }
}

TEST(RecordGif, MakesTheWholeShowInItsRhythmWithinItsBudget) {
  const StagePlan plan = StagePlan::of_show();
  FrameFeed feed(show_frames());
  ShowTally tally(plan.count());
  gif::GifOutput out;
  const GlyphAtlas& atlas = gif::default_atlas();
  GifWriter writer(out.stream(), "memory", GifAnimation::width(atlas), GifAnimation::height(atlas));
  GifAnimation animation(atlas, writer);
  record_gif(feed, plan, {.fps = 25, .depth = ColorDepth::COLORS_256, .stages = {}}, animation, tally);
  writer.finish();
  const std::string bytes = out.bytes();
  EXPECT_LE(bytes.size(), 8'000'000U);
  const gif::DecodedGif gif = gif::decode_gif(bytes);
  ASSERT_EQ(gif.images.size(), static_cast<std::size_t>(plan.listed_frames()));
  EXPECT_EQ(gif.total_delay(), 6760) << "67.6 s at 25 frames a second";
  for (std::size_t index = 0; index < gif.images.size(); ++index) {
    const int stage = plan.stage_of(static_cast<int>(index));
    const int units = std::max<int>(plan.stage(stage).delay_multiplier, 1);
    ASSERT_EQ(gif.images[index].delay, 4 * units) << "frame " << index << " of " << plan.stage(stage).name;
  }
}

}  // namespace
}  // namespace textshow::play
