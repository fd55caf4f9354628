#include "play/json_string.hpp"

#include <cstdio>

namespace textshow::play {

namespace {

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

}  // namespace textshow::play
