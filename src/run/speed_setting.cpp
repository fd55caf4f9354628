#include "run/speed_setting.hpp"

namespace textshow {

Cell speed_setting_from(int byte_read) {
  return static_cast<Cell>(static_cast<Cell>(byte_read) - 'A');
}

}  // namespace textshow
