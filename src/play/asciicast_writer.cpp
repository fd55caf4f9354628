#include "play/asciicast_writer.hpp"

#include <charconv>
#include <cstddef>
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

// The bytes that may start a well-formed UTF-8 sequence beyond ASCII: its
// length and the range its second byte must fall in (which rules out overlong
// forms, surrogates and code points past U+10FFFF); later bytes are 80 to BF.
struct Utf8Lead {
  unsigned char first;
  unsigned char last;
  unsigned char second_low;
  unsigned char second_high;
  int length;
};

constexpr Utf8Lead UTF8_LEADS[] = {
    {0xc2, 0xdf, 0x80, 0xbf, 2}, {0xe0, 0xe0, 0xa0, 0xbf, 3}, {0xe1, 0xec, 0x80, 0xbf, 3},
    {0xed, 0xed, 0x80, 0x9f, 3}, {0xee, 0xef, 0x80, 0xbf, 3}, {0xf0, 0xf0, 0x90, 0xbf, 4},
    {0xf1, 0xf3, 0x80, 0xbf, 4}, {0xf4, 0xf4, 0x80, 0x8f, 4},
};

// JSON text is UTF-8, so a byte that does not belong to a character shows as
// the replacement character, as a terminal shows it.
constexpr std::string_view REPLACEMENT = "\\ufffd";

bool within(char c, unsigned char low, unsigned char high) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence beyond ASCII that `text`
// starts with; 0 if it starts with none.
std::size_t utf8_length(std::string_view text) {
  for (const Utf8Lead& lead : UTF8_LEADS) {
    if (!within(text[0], lead.first, lead.last)) {
      continue;
    }
    const auto length = static_cast<std::size_t>(lead.length);
    if (text.size() < length || !within(text[1], lead.second_low, lead.second_high)) {
      return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
      if (!within(text[k], 0x80, 0xbf)) {
        return 0;
      }
    }
    return length;
  }
  return 0;
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
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      json += escaped(text[i]);
      ++i;
    } else if (const std::size_t length = utf8_length(text.substr(i)); length != 0) {
      json += text.substr(i, length);
      i += length;
    } else {
      json += REPLACEMENT;
      ++i;
    }
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
