#pragma once

#include "effects/tunnel/tunnel_table.hpp"
#include "run/console.hpp"

namespace textshow {

inline constexpr int TUNNEL_FRAMES = 150;
// Rows 1 to 49 end with LF alone, row 50 with CR LF.
inline constexpr int TUNNEL_FRAME_BYTES = FRAME_BYTES - (FRAME_HEIGHT - 1);

// Effect 4: the checkerboard streams out of the centre while it turns, one
// depth unit and one angle unit a frame. It clears its table when it ends.
struct TunnelEffect {
  TunnelTable& table;
  int frame_counter = TUNNEL_FRAMES;

  void play(const Console& console);
};

}  // namespace textshow
