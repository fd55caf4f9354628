#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "play/frame.hpp"
#include "play/show_tally.hpp"
#include "play/stage_plan.hpp"

namespace textshow::play {

// The terminal output that draws `frame` from the top-left corner over the
// frame before it, rows joined by CR LF and no line end after the last, so
// that a terminal of the frame's size never scrolls.
std::string frame_drawing(const Frame& frame);

// Writes `frames` as an asciicast recording of a FRAME_WIDTH × FRAME_HEIGHT
// terminal, each frame at the time the player would show it at `fps`; the
// tally counts the frames and their recorded times.
void record_frames(const std::vector<Frame>& frames, const StagePlan& plan, int fps,
                   std::ostream& out, ShowTally& tally);

}  // namespace textshow::play
