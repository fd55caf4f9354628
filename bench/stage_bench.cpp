#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "memory_sink.hpp"
#include "run/show.hpp"

namespace textshow::bench {

namespace {

// What stage `index` starts from: the work area as the stages before it leave
// it. A table passes from a loading phase to the effect after it, and that
// effect clears it, so only the whole run up to a stage gives its start.
WorkArea work_before(int index, const MemorySink& sink) {
  WorkArea work{};
  for (int before = 0; before < index; ++before) {
    play_stage(SHOW_STAGES[before], sink.console(), work);
    sink.rewind();
  }
  return work;
}

// Stage N of the show, counted from 0 in show order and labelled with its name.
// One iteration plays the whole stage; the counters give the time of one frame
// and the bytes written per second.
void time_stage(benchmark::State& state) {
  const auto index = static_cast<int>(state.range(0));
  const Stage& stage = SHOW_STAGES[index];
  const MemorySink sink;
  const WorkArea start = work_before(index, sink);
  WorkArea work{};
  while (state.KeepRunning()) {
    state.PauseTiming();
    work = start;
    sink.rewind();
    state.ResumeTiming();
    play_stage(stage, sink.console(), work);
  }
  state.SetLabel(std::string(stage.name));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sink.bytes_written()));
  state.counters["time_per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * stage.frames,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(time_stage)
    ->Name("stage")
    ->DenseRange(0, SHOW_STAGE_COUNT - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace textshow::bench
