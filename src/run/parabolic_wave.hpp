#pragma once

namespace textshow {

// One period of a wave made of parabola pieces: phase 1..100 gives 1..39,
// 39 on the phases 20 to 30 and 1 on the phases 70 to 80. The second half
// mirrors the first: parabolic_wave(h + 50) = 40 − parabolic_wave(h).
int parabolic_wave(int phase);

}  // namespace textshow
