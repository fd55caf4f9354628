#include "run/delay_unit.hpp"

#include <cstdint>

namespace textshow {

namespace {

constexpr std::uint8_t UNIT_PASSES = 255;
constexpr std::uint8_t UNIT_LOAD = 255;

}  // namespace

// The counters are volatile so that every step really happens: the wait is the
// work. They are bytes, and must stay so: the same steps on int counters take
// about a fifth of the time (0.06 ms a unit instead of 0.3 ms), and every wait
// of the show would shrink with them.
void count_delay_unit() {
  volatile std::uint8_t work = UNIT_LOAD;
  volatile std::uint8_t held = 0;
  volatile std::uint8_t passes = UNIT_PASSES;
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
