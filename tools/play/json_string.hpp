#pragma once

#include <string>
#include <string_view>

namespace textshow::play {

// `text` as a JSON string, quotes included: quote, backslash and every
// control character escaped, so that any bytes of a frame or of an escape
// sequence survive the trip. UTF-8 text passes as it is; a byte that belongs
// to no UTF-8 character becomes U+FFFD, as JSON text must be UTF-8.
std::string json_string(std::string_view text);

}  // namespace textshow::play
