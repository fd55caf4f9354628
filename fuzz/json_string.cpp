// Feeds json_string any bytes. What it makes must be one valid JSON string:
// UTF-8 text, quoted, with every control character escaped; and where the
// input is UTF-8 text, it must decode back to exactly the input. The check
// decodes with iconv and a JSON string reader of its own, so that it shares
// nothing with the code under test.
#include <iconv.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "play/asciicast_writer.hpp"

namespace {

// The code points of UTF-8 `text`; nothing if it is not well-formed UTF-8.
std::optional<std::u32string> code_points(std::string_view text) {
  iconv_t conversion = iconv_open("UTF-32LE", "UTF-8");
  // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's value for failure.
  if (conversion == reinterpret_cast<iconv_t>(-1)) {
    std::abort();
  }
  std::string input(text);
  std::string output(4 * text.size(), '\0');
  char* in = input.data();
  char* out = output.data();
  std::size_t in_left = input.size();
  std::size_t out_left = output.size();
  const std::size_t converted = iconv(conversion, &in, &in_left, &out, &out_left);
  iconv_close(conversion);
  if (converted == static_cast<std::size_t>(-1) || in_left != 0) {
    return std::nullopt;
  }
  std::u32string points((output.size() - out_left) / 4, U'\0');
  std::memcpy(points.data(), output.data(), 4 * points.size());
  return points;
}

// The code unit of the four hex digits at `digits`; nothing if they are not hex digits.
std::optional<char32_t> hex_unit(std::u32string_view digits) {
  char text[4] = {};
  for (std::size_t k = 0; k < 4; ++k) {
    if (digits[k] > 0x7f) {
      return std::nullopt;
    }
    text[k] = static_cast<char>(digits[k]);
  }
  unsigned unit = 0;
  const auto [end, error] = std::from_chars(text, text + 4, unit, 16);
  if (error != std::errc{} || end != text + 4) {
    return std::nullopt;
  }
  return static_cast<char32_t>(unit);
}

std::optional<char32_t> unescaped(char32_t c) {
  switch (c) {
    case U'"':
    case U'\\':
    case U'/':
      return c;
    case U'b':
      return U'\b';
    case U'f':
      return U'\f';
    case U'n':
      return U'\n';
    case U'r':
      return U'\r';
    case U't':
      return U'\t';
    default:
      return std::nullopt;
  }
}

// What the JSON string `json` (quotes included) holds; nothing if it is not
// one. Escaped surrogates are refused: the escaping never needs them.
std::optional<std::u32string> json_decoded(std::u32string_view json) {
  if (json.size() < 2 || json.front() != U'"' || json.back() != U'"') {
    return std::nullopt;
  }
  const std::u32string_view inside = json.substr(1, json.size() - 2);
  std::u32string text;
  for (std::size_t i = 0; i < inside.size(); ++i) {
    const char32_t c = inside[i];
    if (c < 0x20 || c == U'"') {
      return std::nullopt;
    }
    if (c != U'\\') {
      text += c;
      continue;
    }
    if (++i == inside.size()) {
      return std::nullopt;
    }
    std::optional<char32_t> point;
    if (inside[i] == U'u' && i + 4 < inside.size()) {
      point = hex_unit(inside.substr(i + 1, 4));
      i += 4;
    } else {
      point = unescaped(inside[i]);
    }
    if (!point || (*point >= 0xd800 && *point <= 0xdfff)) {
      return std::nullopt;
    }
    text += *point;
  }
  return text;
}

}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string json = textshow::play::json_string(input);

  const std::optional<std::u32string> json_text = code_points(json);
  const std::optional<std::u32string> decoded = json_text ? json_decoded(*json_text) : std::nullopt;
  if (!decoded) {
    std::abort();  // not valid JSON
  }
  const std::optional<std::u32string> original = code_points(input);
  if (original && *decoded != *original) {
    std::abort();  // UTF-8 text that did not survive the trip
  }
  return 0;
}
