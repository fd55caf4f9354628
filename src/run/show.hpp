#pragma once

#include "run/console.hpp"

namespace textshow {

// Plays every stage of the show once, in order, into the console.
void play_show(const Console& console);

// Ends the run with the byte 0; returns the exit status.
int finish_show(const Console& console);

}  // namespace textshow
