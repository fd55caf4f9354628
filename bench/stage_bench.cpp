#include "stage_bench.hpp"

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
void prepare_stage(int index, MemorySink& sink) {
  if (index > 0) {
    SHOW_STAGES[index - 1].play(sink.console(), work);
  }
  sink.rewind();
}

// One iteration plays the whole stage; the counters give the time of one frame
// and the bytes written per second.
void play_stage(benchmark::State& state, int index) {
  const Stage& stage = SHOW_STAGES[index];
  MemorySink sink;
  for (auto _ : state) {
    state.PauseTiming();
    prepare_stage(index, sink);
    state.ResumeTiming();
    stage.play(sink.console(), work);
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sink.bytes_written()));
  state.counters["time_per_frame"] = benchmark::Counter(
      iterations * stage.frames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

void register_stage_benchmarks() {
  for (int index = 0; index < SHOW_STAGE_COUNT; ++index) {
    const std::string name = "stage/" + std::string(SHOW_STAGES[index].name);
    benchmark::RegisterBenchmark(name.c_str(), play_stage, index)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace textshow::bench
