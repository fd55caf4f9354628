#include "run/speed_setting.hpp"

namespace textshow {

// Wraps twice: the byte is taken modulo 256, and so is the byte minus 65.
Cell speed_setting_from(int byte_read) {
  return static_cast<Cell>(static_cast<Cell>(byte_read) - 'A');
}

}  // namespace textshow
