#include "support/show_stream.hpp"

#include <algorithm>
#include <stdexcept>

namespace textshow::testing {

namespace {

std::size_t stage_bytes(const StageFigures& stage) {
  return static_cast<std::size_t>(stage.frames) * static_cast<std::size_t>(stage.frame_bytes);
}

// A byte shown with its value, so that a CR, an LF or a 0 can be told apart.
std::string described(std::string_view stream, std::size_t at) {
  if (at >= stream.size()) {
    return "its end";
  }
  const auto byte = static_cast<unsigned char>(stream[at]);
  std::string text = "byte " + std::to_string(byte);
  if (byte >= ' ' && byte < 127) {
    text += " '" + std::string(1, static_cast<char>(byte)) + "'";
  }
  return text;
}

}  // namespace

std::string where_in_show(std::size_t offset) {
  std::size_t start = 0;
  for (const StageFigures& stage : SHOW_FIGURES) {
    if (offset < start + stage_bytes(stage)) {
      const std::size_t into = offset - start;
      const auto frame_bytes = static_cast<std::size_t>(stage.frame_bytes);
      return "stage \"" + std::string(stage.name) + "\", frame " + std::to_string(into / frame_bytes) +
             ", byte " + std::to_string(into % frame_bytes);
    }
    start += stage_bytes(stage);
  }
  return offset == start ? "the final byte 0" : "past the end of the show";
}

std::size_t stage_offset(std::string_view name) {
  std::size_t start = 0;
  for (const StageFigures& stage : SHOW_FIGURES) {
    if (stage.name == name) {
      return start;
    }
    start += stage_bytes(stage);
  }
  throw std::invalid_argument("the show has no stage " + std::string(name));
}

::testing::AssertionResult same_stream(std::string_view actual, std::string_view expected,
                                       std::size_t show_offset) {
  const auto* const differs = std::ranges::mismatch(actual, expected).in1;
  const auto at = static_cast<std::size_t>(differs - actual.begin());
  if (at == actual.size() && actual.size() == expected.size()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "the streams differ first at byte " << at << " (" << where_in_show(show_offset + at)
         << "): " << described(actual, at) << " where " << described(expected, at)
         << " was expected; " << actual.size() << " bytes against " << expected.size();
}

}  // namespace textshow::testing
