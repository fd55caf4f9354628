#include "run/delay_unit.hpp"

namespace textshow {

namespace {

constexpr int UNIT_PASSES = 255;
constexpr int UNIT_LOAD = 255;

}  // namespace

// The counters are volatile so that every step really happens: the wait is the work.
void count_delay_unit() {
  volatile int work = UNIT_LOAD;
  volatile int held = 0;
  volatile int passes = UNIT_PASSES;
  while (passes != 0) {
    while (work != 0) {
      work = work - 1;
      held = held + 1;
    }
    while (held != 0) {
      held = held - 1;
      work = work + 1;
    }
    passes = passes - 1;
  }
  while (work != 0) {
    work = work - 1;
  }
}

}  // namespace textshow
