#include "play/gif_delays.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace textshow::play {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// The delays GifDelays gives frames that stay `stays` one after another, the
// last given as the last; 0 stands for a frame left out.
std::vector<int> delays_of(const std::vector<Duration>& stays) {
  const TimePoint start{};
  GifDelays delays(start);
  TimePoint end = start;
  std::vector<int> result;
  for (std::size_t i = 0; i < stays.size(); ++i) {
    end += stays[i];
    if (i + 1 == stays.size()) {
      result.push_back(delays.last_frame_until(end));
    } else {
      result.push_back(delays.frame_until(end).value_or(0));
    }
  }
  return result;
}

TEST(GifDelays, CarryTheirRoundingSoThatTheTotalIsTheWholeTime) {
  struct Case {
    const char* what;
    std::vector<Duration> stays;
    std::vector<int> delays;
  };
  const Duration thirtieth = std::chrono::duration_cast<Duration>(std::chrono::seconds(1)) / 30;
  const Case cases[] = {
      {"25 a second, a marquee frame and a tunnel frame", {milliseconds(120), milliseconds(80), milliseconds(40)}, {12, 8, 4}},
      {"30 a second: 3.33 hundredths each", {thirtieth, thirtieth, thirtieth, thirtieth, thirtieth, thirtieth},
       {3, 4, 3, 3, 4, 3}},
      {"a frame under 2 hundredths is left out, the next takes its time",
       {milliseconds(10), milliseconds(10), milliseconds(10), milliseconds(10)}, {0, 2, 0, 2}},
      {"the last frame is kept however short", {milliseconds(10), milliseconds(10), milliseconds(10)}, {0, 2, 1}},
      {"1000 a second: 15 ms is 2 hundredths, 25 ms 2 (half to even)", std::vector<Duration>(25, milliseconds(1)),
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"rounded to the nearest", {microseconds(24'990), microseconds(25'010)}, {2, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(delays_of(c.stays), c.delays) << c.what;
  }
}

}  // namespace
}  // namespace textshow::play
