#pragma once

#include <cstdio>

#include "run/delay_unit.hpp"
#include "run/frame.hpp"

namespace textshow {

// Where the frames go and how the show paces them: the routines every effect shares.
struct Console {
  std::FILE* out = stdout;
  Cell speed_setting = 0;
  DelayUnit delay_unit = DELAY_UNIT;

  // The one output routine: every byte of the show passes here, one call each.
  // The show runs on one thread, so the stream needs no lock: putc_unlocked
  // stores the byte in the stream's buffer inline. std::putc took the lock in
  // a library call for every byte and cost more than all the rest of the show.
  void put(char c) const { putc_unlocked(c, out); }

  void write_run(char c, Cell n) const;
  void end_row() const;
  void emit_blank_rows(Cell n) const;

  // Every frame ends here: if the console has stopped taking output the show
  // stops at once (check_output throws); otherwise it waits frame_delay(k).
  void end_frame(Cell k) const;

  // Waits (k × speed_setting) mod 256 delay units.
  void frame_delay(Cell k) const;

  // Throws std::system_error naming the cause once a write has failed.
  void check_output() const;
};

}  // namespace textshow
