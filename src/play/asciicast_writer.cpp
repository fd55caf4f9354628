#include "play/asciicast_writer.hpp"

#include <charconv>

#include "play/json_string.hpp"

namespace textshow::play {

namespace {

constexpr int ASCIICAST_VERSION = 2;
constexpr int TIME_DECIMALS = 6;

std::string seconds_text(Duration at) {
  char text[32];
  const double seconds = std::chrono::duration<double>(at).count();
  const auto written = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, TIME_DECIMALS);
  return std::string(text, written.ptr);
}

}  // namespace

AsciicastWriter::AsciicastWriter(std::ostream& out, int width, int height) : out_(out) {
  out_ << "{\"version\": " << ASCIICAST_VERSION << ", \"width\": " << width << ", \"height\": " << height
       << "}\n";
}

void AsciicastWriter::output(Duration at, std::string_view data) {
  out_ << '[' << seconds_text(at) << ", \"o\", " << json_string(data) << "]\n";
}

}  // namespace textshow::play
