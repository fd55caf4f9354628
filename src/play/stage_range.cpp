#include "play/stage_range.hpp"

#include <charconv>

namespace textshow::play {

std::optional<int> find_stage(const StagePlan& plan, std::string_view name) {
  for (int stage = 0; stage < plan.count(); ++stage) {
    if (plan.stage(stage).name == name) {
      return stage;
    }
  }
  int number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (error == std::errc{} && end == name.data() + name.size() && number >= 1 && number <= plan.count()) {
    return number - 1;
  }
  return std::nullopt;
}

std::string stage_names(const StagePlan& plan) {
  std::string names;
  for (int stage = 0; stage < plan.count(); ++stage) {
    names += (stage == 0 ? "" : ", ") + plan.stage(stage).name;
  }
  return names;
}

}  // namespace textshow::play
