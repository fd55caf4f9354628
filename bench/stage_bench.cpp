#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "memory_sink.hpp"
#include "run/show.hpp"

namespace textshow::bench {

namespace {

WorkArea work;

// A table passes only from a loading phase to the effect right after it, so
// playing the stage before (untimed) gives any stage the state it starts from.
void prepare_stage(int index, const MemorySink& sink) {
  if (index > 0) {
    SHOW_STAGES[index - 1].play(sink.console(), work);
  }
  sink.rewind();
}

// Stage N of the show, counted from 0 in show order and labelled with its name.
// One iteration plays the whole stage; the counters give the time of one frame
// and the bytes written per second.
void play_stage(benchmark::State& state) {
  const auto index = static_cast<int>(state.range(0));
  const Stage& stage = SHOW_STAGES[index];
  const MemorySink sink;
  while (state.KeepRunning()) {
    state.PauseTiming();
    prepare_stage(index, sink);
    state.ResumeTiming();
    stage.play(sink.console(), work);
  }
  state.SetLabel(std::string(stage.name));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sink.bytes_written()));
  state.counters["time_per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * stage.frames,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(play_stage)
    ->Name("stage")
    ->DenseRange(0, SHOW_STAGE_COUNT - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace textshow::bench
