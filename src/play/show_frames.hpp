#pragma once

#include <vector>

#include "play/frame.hpp"

namespace textshow::play {

// Every frame of the show, played in memory through the show's own output
// routine at full speed.
std::vector<Frame> show_frames();

}  // namespace textshow::play
