// Feeds parse_options a command line: the input split at its NUL bytes into
// arguments. It either refuses the line with a UsageError that says why, or
// returns options the player can use.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "play/options.hpp"

// NOLINTNEXTLINE(readability-identifier-naming): the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> arguments = {"textshow-play"};
  for (std::size_t start = 0; start <= input.size();) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    arguments.emplace_back(input.substr(start, end - start));
    start = end + 1;
  }
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (std::string& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);

  try {
    const textshow::play::Options options =
        textshow::play::parse_options(static_cast<int>(arguments.size()), argv.data());
    if (options.fps < textshow::play::MIN_FPS || options.fps > textshow::play::MAX_FPS ||
        (options.loop && options.record_path)) {
      std::abort();
    }
  } catch (const textshow::play::UsageError& refusal) {
    if (std::string_view(refusal.what()).empty()) {
      std::abort();
    }
  }
  return 0;
}
