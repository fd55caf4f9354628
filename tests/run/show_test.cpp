#include "run/show.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

#include "run/speed_setting.hpp"
#include "support/capture.hpp"
#include "support/show_stream.hpp"

namespace textshow {
namespace {

using testing::Capture;

// The whole run into `capture`, as main plays it.
std::string play_whole_show(Capture& capture) {
  static WorkArea work;
  play_show(capture.console(), work);
  finish_show(capture.console());
  return capture.bytes();
}

std::string play_whole_show(Cell speed_setting = 0) {
  Capture capture(speed_setting);
  return play_whole_show(capture);
}

// The table's frames must be what each stage writes, and what it waits must
// follow the stage's own multiplier: textshow-play paces and counts by them.
TEST(Show, EveryStageWritesItsFramesAndWaitsItsMultipleOfTheSpeedSetting) {
  ASSERT_EQ(SHOW_STAGE_COUNT, std::ssize(testing::SHOW_FIGURES));
  for (const Cell speed_setting : {0, 1, 86, 128, 190, 255}) {
    WorkArea work{};
    for (int i = 0; i < SHOW_STAGE_COUNT; ++i) {
      const Stage& stage = SHOW_STAGES[i];
      const testing::StageFigures& expected = testing::SHOW_FIGURES[i];
      ASSERT_EQ(stage.name, expected.name) << "stage " << i + 1;
      EXPECT_EQ(stage.frames, expected.frames) << stage.name;
      Capture capture(speed_setting);
      play_stage(stage, capture.console(), work);
      const int units_per_frame = expected.delay_multiplier * speed_setting % 256;
      EXPECT_EQ(capture.bytes().size(), static_cast<std::size_t>(stage.frames * expected.frame_bytes))
          << stage.name << ", speed setting " << int{speed_setting};
      EXPECT_EQ(capture.delay_units(), stage.frames * units_per_frame)
          << stage.name << ", speed setting " << int{speed_setting};
    }
  }
}

TEST(Show, WritesTheRecordedBytesEndingInLineFeedAndZero) {
  const std::string show = play_whole_show();
  ASSERT_EQ(show.size(), 4'990'651U);
  EXPECT_EQ(show.substr(show.size() - 2), std::string("\n\0", 2));
  // The digest of the show as recorded: any change to any byte of it fails here.
  EXPECT_EQ(testing::digest_of(show), 0x7a541ad1e9cad1e7U) << std::hex << testing::digest_of(show);
}

TEST(Show, WritesTheSameBytesForEveryInput) {
  const std::string reference = play_whole_show(0);
  for (int byte = EOF; byte <= 255; ++byte) {
    const Cell speed_setting = speed_setting_from(byte);
    ASSERT_TRUE(testing::same_stream(play_whole_show(speed_setting), reference)) << "input byte " << byte;
  }
}

struct ShowWaitCase {
  Cell speed_setting;
  int units;
};

// 280 marquee frames wait 3s, 150 tunnel frames 2s, and the 450 other effect
// frames s units, each count taken modulo 256; the loading bars never wait.
constexpr ShowWaitCase SHOW_WAIT_CASES[] = {
    {0, 0},
    {1, 280 * 3 + 150 * 2 + 450},
    {86, 280 * 2 + 150 * 172 + 450 * 86},
    {128, 280 * 128 + 0 + 450 * 128},
    {190, 280 * 58 + 150 * 124 + 450 * 190},
};

TEST(Show, WaitsEachEffectsMultipleOfTheSpeedSettingAfterEveryFrame) {
  for (const auto& c : SHOW_WAIT_CASES) {
    Capture capture(c.speed_setting);
    play_whole_show(capture);
    EXPECT_EQ(capture.delay_units(), c.units) << "speed setting " << int{c.speed_setting};
  }
}

TEST(Show, LeavesTheWorkAreaAllZero) {
  WorkArea work{};
  Capture capture;
  play_show(capture.console(), work);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&work);
  EXPECT_TRUE(std::all_of(bytes, bytes + sizeof work, [](unsigned char b) { return b == 0; }));
}

// A console that refuses every byte, as a full disk does.
struct FullConsole {
  FullConsole() {
    if (file) {
      std::setvbuf(file.get(), nullptr, _IONBF, 0);
    }
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::fopen("/dev/full", "w"), std::fclose};
};

TEST(Show, StopsAfterTheFirstFrameOnceOutputFails) {
  FullConsole full;
  ASSERT_TRUE(full.file) << "cannot open /dev/full";
  int units = 0;
  const Console console{.out = full.file.get(), .speed_setting = 255,
                        .delay_unit = testing::tallying_unit(units)};
  WorkArea work{};
  try {
    play_show(console, work);
    FAIL() << "the show went on writing into a full disk";
  } catch (const std::system_error& failure) {
    EXPECT_EQ(failure.code().value(), ENOSPC);
    EXPECT_STREQ(failure.what(), "write error: No space left on device");
  }
  EXPECT_EQ(units, 0) << "no wait once output has failed";
}

TEST(Show, FinishingReportsAFailedLastWrite) {
  FullConsole full;
  ASSERT_TRUE(full.file) << "cannot open /dev/full";
  const Console console{.out = full.file.get()};
  EXPECT_THROW(finish_show(console), std::system_error);
}

}  // namespace
}  // namespace textshow
