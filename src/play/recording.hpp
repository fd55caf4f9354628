#pragma once

#include <ostream>
#include <string>

#include "play/frame.hpp"
#include "play/frame_feed.hpp"
#include "play/palette.hpp"
#include "play/show_tally.hpp"
#include "play/stage_plan.hpp"
#include "play/stop_signals.hpp"

namespace textshow::play {

// The terminal output that draws `frame` from the top-left corner over the
// frame before it, rows joined by CR LF and no line end after the last, so
// that a terminal of the frame's size never scrolls; given `colors`, every
// cell in its colour.
std::string frame_drawing(const Frame& frame, const FrameColors* colors = nullptr);

// Writes the frames of `feed` as they come as an asciicast recording of a
// FRAME_WIDTH × FRAME_HEIGHT terminal, each frame at the time the player
// would show it at `fps` and in the colours of its stage at `depth`; the
// tally counts the frames and their recorded times. It ends early if `out`
// fails or a stop signal arrives.
void record_frames(FrameFeed& feed, const StagePlan& plan, int fps, std::ostream& out, ShowTally& tally,
                   ColorDepth depth, const StopSignals& signals);

}  // namespace textshow::play
