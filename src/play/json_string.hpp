#pragma once

#include <string>
#include <string_view>

namespace textshow::play {

// `text` as a JSON string, quotes included: quote, backslash and every
// control character escaped, so that any bytes of a frame or of an escape
// sequence survive the trip.
std::string json_string(std::string_view text);

}  // namespace textshow::play
