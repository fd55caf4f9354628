#include "play/recording.hpp"

#include <string_view>

#include "play/asciicast_writer.hpp"
#include "play/pacer.hpp"

namespace textshow::play {

namespace {

constexpr std::string_view HIDE_CURSOR = "\x1b[?25l";
constexpr std::string_view SHOW_CURSOR = "\x1b[?25h";
constexpr std::string_view CLEAR_SCREEN = "\x1b[2J";
constexpr std::string_view CURSOR_HOME = "\x1b[H";
constexpr std::string_view ROW_BREAK = "\r\n";

}  // namespace

std::string frame_drawing(const Frame& frame) {
  std::string drawing(CURSOR_HOME);
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    if (r != 0) {
      drawing += ROW_BREAK;
    }
    drawing += frame.row(r);
  }
  return drawing;
}

void record_frames(const std::vector<Frame>& frames, const StagePlan& plan, int fps,
                   std::ostream& out, ShowTally& tally) {
  const TimePoint start{};
  AsciicastWriter writer(out, FRAME_WIDTH, FRAME_HEIGHT);
  writer.output(Duration::zero(), std::string(HIDE_CURSOR) + std::string(CLEAR_SCREEN));
  Pacer pacer(fps, start);
  int frame = 0;
  for (const Frame& drawn : frames) {
    const TimePoint shown = pacer.due();
    writer.output(shown - start, frame_drawing(drawn));
    frame_shown(plan, frame, shown, tally, pacer);
    ++frame;
  }
  tally.finish(pacer.due());
  writer.output(pacer.due() - start, SHOW_CURSOR);
}

}  // namespace textshow::play
