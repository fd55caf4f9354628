#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace textshow {

// What textshow prints instead of playing the show: the usage for --help, the
// version for --version (the usage if both are given). Nothing for any other
// command line: every other argument is ignored, so that existing uses keep
// working.
std::optional<std::string_view> requested_text(std::span<char* const> arguments);

}  // namespace textshow
