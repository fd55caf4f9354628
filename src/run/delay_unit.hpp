#pragma once

namespace textshow {

// One unit of the frame wait, and the context it works in. The real unit
// counts and needs none; a unit that only tallies keeps its tally in its
// context, so that every console can keep a count of its own.
class DelayUnit {
 public:
  // A unit that needs no context, such as the real one. Implicit: any plain
  // function of no arguments serves as a unit.
  constexpr DelayUnit(void (*unit)()) noexcept : unit_(unit) {}

  // A unit that works in `context`: each unit is one call of step(context).
  constexpr DelayUnit(void (*step)(void* context), void* context) noexcept
      : step_(step), context_(context) {}

  void operator()() const {
    if (step_ != nullptr) {
      step_(context_);
    } else {
      unit_();
    }
  }

  friend constexpr bool operator==(const DelayUnit&, const DelayUnit&) = default;

 private:
  void (*unit_)() = nullptr;
  void (*step_)(void* context) = nullptr;
  void* context_ = nullptr;
};

// Pure counting, no clock: 255 passes of 510 single-step transfers, then 255 clearing steps.
void count_delay_unit();
inline constexpr DelayUnit DELAY_UNIT{count_delay_unit};

}  // namespace textshow
