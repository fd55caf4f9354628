#include <benchmark/benchmark.h>

#include "effects/plasma/plasma_table.hpp"
#include "effects/tunnel/tunnel_table.hpp"

namespace textshow::bench {

namespace {

constexpr int TABLE_ENTRIES = FRAME_WIDTH * FRAME_HEIGHT;

// The work of each table build without its loading-bar frames: one entry for
// every screen position, in build order.
void tunnel_table(benchmark::State& state) {
  TunnelTable table{};
  while (state.KeepRunning()) {
    TunnelCell* record = table.data();
    for (int y = FRAME_HEIGHT; y >= 1; --y) {
      for (int x = FRAME_WIDTH; x >= 1; --x) {
        *record++ = tunnel_cell(x, y);
      }
      *record++ = END_OF_ROW;
    }
    benchmark::DoNotOptimize(table);
  }
  state.SetItemsProcessed(state.iterations() * TABLE_ENTRIES);
}

void plasma_table(benchmark::State& state) {
  PlasmaTable table{};
  while (state.KeepRunning()) {
    for (int y = FRAME_HEIGHT; y >= 1; --y) {
      for (int x = FRAME_WIDTH; x >= 1; --x) {
        table[y - 1][x - 1] = plasma_level(y, x);
      }
    }
    benchmark::DoNotOptimize(table);
  }
  state.SetItemsProcessed(state.iterations() * TABLE_ENTRIES);
}

}  // namespace

BENCHMARK(tunnel_table)->Name("table/tunnel")->Unit(benchmark::kMicrosecond);
BENCHMARK(plasma_table)->Name("table/plasma")->Unit(benchmark::kMicrosecond);

}  // namespace textshow::bench
