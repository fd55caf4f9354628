#pragma once

#include "effects/plasma/plasma_table.hpp"
#include "effects/tunnel/tunnel_table.hpp"
#include "run/frame.hpp"

namespace textshow {

inline constexpr int WORK_AREA_CELLS = 30000;

// The state that passes from one stage to the next: the tables that a loading
// phase builds for the effect after it. Every effect clears its table when it
// ends, so a WorkArea is all zero again after a whole show.
struct WorkArea {
  TunnelTable tunnel;
  PlasmaTable plasma;
};

static_assert(sizeof(WorkArea) <= WORK_AREA_CELLS);

}  // namespace textshow
