#include "play/asciicast_writer.hpp"

#include <charconv>
#include <cstdio>

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

std::string escaped(char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    default:
      break;
  }
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7f) {
    char code[8];
    std::snprintf(code, sizeof code, "\\u%04x", byte);
    return code;
  }
  return std::string(1, c);
}

}  // namespace

std::string json_string(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    json += escaped(c);
  }
  json += '"';
  return json;
}

AsciicastWriter::AsciicastWriter(std::ostream& out, int width, int height) : out_(out) {
  out_ << "{\"version\": " << ASCIICAST_VERSION << ", \"width\": " << width << ", \"height\": " << height
       << "}\n";
}

void AsciicastWriter::output(Duration at, std::string_view data) {
  out_ << '[' << seconds_text(at) << ", \"o\", " << json_string(data) << "]\n";
}

}  // namespace textshow::play
