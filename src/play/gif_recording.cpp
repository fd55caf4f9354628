#include "play/gif_recording.hpp"

#include <optional>
#include <stdexcept>

#include "play/gif_delays.hpp"

namespace textshow::play {

namespace {

// Takes the frames one at a time, in the order of the stream.
class GifRecorder {
 public:
  GifRecorder(const StagePlan& plan, const GifSettings& settings, GifAnimation& animation, ShowTally& tally)
      : plan_(plan), settings_(settings), animation_(animation), tally_(tally), pacer_(settings.fps, START),
        delays_(START) {}

  // Takes frame `index` of the stream.
  void take(const Frame& frame, int index) {
    const int stage = plan_.stage_of(index);
    if (!settings_.stages.holds(stage)) {
      return;
    }
    frame_shown(plan_, index, pacer_.due(), tally_, pacer_);
    if (const std::optional<int> delay = delays_.frame_until(pacer_.due())) {
      animation_.add(frame, colors_of(frame, stage), *delay);
      left_out_.reset();
    } else {
      left_out_ = LeftOut{frame, stage};
    }
    ++frames_;
  }

  // The last frame is shown even if it stays less than a GIF delay can hold.
  void finish() {
    if (left_out_) {
      animation_.add(left_out_->frame, colors_of(left_out_->frame, left_out_->stage),
                     delays_.last_frame_until(pacer_.due()));
    }
    tally_.finish(pacer_.due());
    if (frames_ == 0) {
      throw std::runtime_error("no frames to make a GIF of");
    }
  }

 private:
  static constexpr TimePoint START{};

  struct LeftOut {
    Frame frame;
    int stage;
  };

  std::span<const std::uint8_t> colors_of(const Frame& frame, int stage) {
    if (settings_.depth == ColorDepth::MONOCHROME) {
      return {};
    }
    color_frame(frame, stage, settings_.depth, colors_);
    return colors_;
  }

  const StagePlan& plan_;
  const GifSettings& settings_;
  GifAnimation& animation_;
  ShowTally& tally_;
  Pacer pacer_;
  GifDelays delays_;
  FrameColors colors_{};
  std::optional<LeftOut> left_out_;
  int frames_ = 0;
};

}  // namespace

ColorDepth gif_color_depth(ColorMode choice, const char* no_color) {
  const bool colored = choice == ColorMode::ALWAYS ||
                       (choice == ColorMode::AUTO && (no_color == nullptr || *no_color == '\0'));
  return colored ? ColorDepth::COLORS_256 : ColorDepth::MONOCHROME;
}

void record_gif(FrameFeed& feed, const StagePlan& plan, const GifSettings& settings, GifAnimation& animation,
                ShowTally& tally) {
  GifRecorder recorder(plan, settings, animation, tally);
  // Nothing more is read once the stages asked for are over: the rest of a
  // stream may never come.
  for (int index = 0; !settings.stages.passed(plan.stage_of(index)); ++index) {
    while (!feed.has_frame() && !feed.ended()) {
      feed.read_some();
    }
    if (!feed.has_frame()) {
      break;
    }
    recorder.take(feed.front(), index);
    feed.pop();
  }
  recorder.finish();
}

}  // namespace textshow::play
