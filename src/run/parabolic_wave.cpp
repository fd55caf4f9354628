#include "run/parabolic_wave.hpp"

#include <cstdlib>

namespace textshow {

int parabolic_wave(int phase) {
  const bool upper = phase <= 50;
  const int from_middle = upper ? 50 - phase : phase - 50;
  const int from_quarter = std::abs(from_middle - 25);
  const int g = from_quarter * from_quarter / 31 + 1;
  return upper ? 40 - g : g;
}

}  // namespace textshow
