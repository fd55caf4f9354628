#pragma once

#include <string>

namespace textshow::play {

// The file of the monospace font that frames are drawn in when no other is
// asked for: DejaVu Sans Mono as fontconfig finds it. Throws
// std::runtime_error if fontconfig finds no font file at all.
std::string default_font_file();

}  // namespace textshow::play
