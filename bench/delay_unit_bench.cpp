#include <benchmark/benchmark.h>

#include "run/console.hpp"

namespace textshow::bench {

namespace {

// One unit of the frame wait, the real counting one: the time a speed step adds per frame.
void delay_unit(benchmark::State& state) {
  while (state.KeepRunning()) {
    DELAY_UNIT();
  }
}

}  // namespace

BENCHMARK(delay_unit)->Name("delay_unit")->Unit(benchmark::kMicrosecond);

}  // namespace textshow::bench
