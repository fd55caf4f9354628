#pragma once

#include "play/frame_feed.hpp"
#include "play/gif_animation.hpp"
#include "play/options.hpp"
#include "play/palette.hpp"
#include "play/show_tally.hpp"
#include "play/stage_plan.hpp"
#include "play/stage_range.hpp"

namespace textshow::play {

// How the frames of a GIF are chosen, paced and coloured.
struct GifSettings {
  int fps = DEFAULT_FPS;
  ColorDepth depth = ColorDepth::MONOCHROME;
  StageRange stages;
};

// The colours of a GIF for the choice of --color: a GIF can hold any colour,
// so it is drawn in 256 unless asked not to be, or, for auto, unless the
// environment's NO_COLOR (given as `no_color`) is set to something.
ColorDepth gif_color_depth(ColorMode choice, const char* no_color);

// Adds the frames of `feed` that belong to the stages asked for to
// `animation` as they come, each to stay its time at the settings' rate; the
// tally counts them and their times. Throws std::runtime_error if there are
// none, since a GIF needs a picture.
void record_gif(FrameFeed& feed, const StagePlan& plan, const GifSettings& settings, GifAnimation& animation,
                ShowTally& tally);

}  // namespace textshow::play
