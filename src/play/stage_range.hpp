#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "play/stage_plan.hpp"

namespace textshow::play {

// The stages of an excerpt, by their index in the plan, both ends included.
struct StageRange {
  int first = 0;
  int last = std::numeric_limits<int>::max();

  bool holds(int stage) const { return stage >= first && stage <= last; }
  bool passed(int stage) const { return stage > last; }
};

// The stage of `plan` called `name` as the summary names it, or numbered
// `name` from 1 in the plan's order; nothing if there is none.
std::optional<int> find_stage(const StagePlan& plan, std::string_view name);

// The names of the stages of `plan` to offer, "marquee, stripes, ..., twister".
std::string stage_names(const StagePlan& plan);

}  // namespace textshow::play
