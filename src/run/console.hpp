#pragma once

#include <cstdio>

#include "run/delay_unit.hpp"
#include "run/frame.hpp"

namespace textshow {

// Where the frames go and how the show paces them: the routines every effect shares.
struct Console {
  std::FILE* out = stdout;
  // Wraps: the speed byte minus 65, modulo 256; each wait wraps with it.
  Cell speed_setting = 0;
  // The wait after each frame of the stage being played, in steps of the
  // speed setting: the stage table gives it to the console of each stage.
  int delay_multiplier = 1;
  DelayUnit delay_unit = DELAY_UNIT;

  // The one output routine: every byte of the show passes here, one call each.
  // The show runs on one thread, so the stream needs no lock: putc_unlocked
  // stores the byte in the stream's buffer inline. std::putc took the lock in
  // a library call for every byte and cost more than all the rest of the show.
  void put(char c) const { putc_unlocked(c, out); }

  void write_run(char c, int n) const;
  void end_row() const;
  void emit_blank_rows(int n) const;

  // Every frame ends here: if the console has stopped taking output the show
  // stops at once (check_output throws); otherwise it waits frame_delay().
  void end_frame() const;

  // Waits (delay_multiplier × speed_setting) mod 256 delay units.
  void frame_delay() const;

  // Throws std::system_error naming the cause once a write has failed.
  void check_output() const;
};

}  // namespace textshow
