#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "play/frame_scaler.hpp"
#include "play/palette.hpp"
#include "play/frame_feed.hpp"
#include "play/stage_plan.hpp"

namespace textshow::bench {

namespace {

using play::ColorDepth;
using play::FrameColors;
using play::ScaledFrame;

// Colouring a frame of stage N (counted from 0 in show order) in 256 colours
// and, for fewer than FRAME_HEIGHT rows, scaling it down to that many rows
// with the frame's proportions: what textshow-play adds to each frame it
// draws. One iteration is one frame, the stage's frames in turn.
void scale_and_color(benchmark::State& state) {
  static const std::vector<play::Frame> frames = play::show_frames();
  static const play::StagePlan plan = play::StagePlan::of_show();
  const auto stage_index = static_cast<int>(state.range(0));
  const auto rows = static_cast<int>(state.range(1));
  const play::PlannedStage& stage = plan.stage(stage_index);
  FrameColors colors{};
  ScaledFrame scaled;
  int next = 0;
  while (state.KeepRunning()) {
    const play::Frame& frame = frames[static_cast<std::size_t>(stage.first_frame) + static_cast<std::size_t>(next)];
    play::color_frame(frame, stage_index, ColorDepth::COLORS_256, colors);
    if (rows < FRAME_HEIGHT) {
      scaled.scale(frame, colors, rows, rows * FRAME_WIDTH / FRAME_HEIGHT);
    }
    benchmark::DoNotOptimize(colors.data());
    benchmark::DoNotOptimize(scaled.row(0).data());
    next = (next + 1) % stage.frames;
  }
  state.SetLabel(stage.name + (rows < FRAME_HEIGHT ? " scaled to " + std::to_string(rows) + " rows" : " at 1:1"));
}

}  // namespace

// Every stage at 1:1 (colour alone), scaled for 80 x 24 (24 rows) and at the
// smallest scale (8 rows).
BENCHMARK(scale_and_color)
    ->Name("scale_and_color")
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {FRAME_HEIGHT, 24, 8}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace textshow::bench
