#pragma once

#include <string_view>

#include "run/console.hpp"
#include "run/work_area.hpp"

namespace textshow {

// One stage of the show: what it is called, how many frames it writes, how
// long it waits after each (the console's delay_multiplier; 0: not at all) and
// how it is played.
struct Stage {
  std::string_view name;
  int frames;
  int delay_multiplier;
  void (*play)(const Console& console, WorkArea& work);
};

extern const Stage SHOW_STAGES[];
extern const int SHOW_STAGE_COUNT;

// Plays one stage into the console, waiting its own multiple of the speed
// setting after each of its frames.
void play_stage(const Stage& stage, const Console& console, WorkArea& work);

// Plays every stage of the show once, in order, into the console.
void play_show(const Console& console, WorkArea& work);

// Ends the run with the byte 0 and makes sure every byte has left; throws
// std::system_error if one could not be written.
void finish_show(const Console& console);

}  // namespace textshow
