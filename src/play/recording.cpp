#include "play/recording.hpp"

#include <string_view>

#include "play/asciicast_writer.hpp"
#include "play/color_sequences.hpp"
#include "play/pacer.hpp"

namespace textshow::play {

namespace {

constexpr std::string_view HIDE_CURSOR = "\x1b[?25l";
constexpr std::string_view SHOW_CURSOR = "\x1b[?25h";
constexpr std::string_view CLEAR_SCREEN = "\x1b[2J";
constexpr std::string_view CURSOR_HOME = "\x1b[H";
constexpr std::string_view ROW_BREAK = "\r\n";

// Waits for the feed's next frame; false once the stream has ended or a stop
// signal has arrived. Ctrl-Z stops the program while it waits.
bool next_frame(FrameFeed& feed, const StopSignals& signals) {
  signals.let_through();
  while (!feed.has_frame() && !feed.ended() && !StopSignals::caught()) {
    feed.wait_and_read(signals.wait_mask());
    if (StopSignals::take_suspend()) {
      StopSignals::suspend();
    }
  }
  return feed.has_frame() && !StopSignals::caught();
}

}  // namespace

std::string frame_drawing(const Frame& frame, const FrameColors* colors) {
  std::string drawing(CURSOR_HOME);
  int color = NO_COLOR_SET;
  for (int r = 0; r < FRAME_HEIGHT; ++r) {
    if (r != 0) {
      drawing += ROW_BREAK;
    }
    if (colors != nullptr) {
      append_colored(drawing, frame.row(r), row_colors(*colors, r), color);
    } else {
      drawing += frame.row(r);
    }
  }
  return drawing;
}

void record_frames(FrameFeed& feed, const StagePlan& plan, int fps, std::ostream& out, ShowTally& tally,
                   ColorDepth depth, const StopSignals& signals) {
  const bool colored = depth != ColorDepth::MONOCHROME;
  FrameColors colors{};
  const TimePoint start{};
  AsciicastWriter writer(out, FRAME_WIDTH, FRAME_HEIGHT);
  writer.output(Duration::zero(), std::string(HIDE_CURSOR) + std::string(CLEAR_SCREEN));
  Pacer pacer(fps, start);
  for (int frame = 0; out && next_frame(feed, signals); ++frame) {
    const TimePoint shown = pacer.due();
    color_frame(feed.front(), plan.stage_of(frame), depth, colors);
    writer.output(shown - start, frame_drawing(feed.front(), colored ? &colors : nullptr));
    feed.pop();
    frame_shown(plan, frame, shown, tally, pacer);
  }
  tally.finish(pacer.due());
  const std::string_view reset = colored ? RESET_COLORS : std::string_view();
  writer.output(pacer.due() - start, std::string(reset) + std::string(SHOW_CURSOR));
}

}  // namespace textshow::play
