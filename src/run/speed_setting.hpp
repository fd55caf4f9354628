#pragma once

#include "run/frame.hpp"

namespace textshow {

// The speed letter "A" plays at full speed; each later byte waits longer after every frame.
// Only the low 8 bits of what getchar returns count, so end of input (EOF) gives 190.
Cell speed_setting_from(int byte_read);

}  // namespace textshow
