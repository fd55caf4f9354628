#include <cstdio>

#include "run/show.hpp"
#include "run/speed_setting.hpp"

int main() {
  static textshow::WorkArea work;  // zeroed before the speed byte is read
  const textshow::Console console{
      .out = stdout,
      .speed_setting = textshow::speed_setting_from(std::getchar()),
  };
  textshow::play_show(console, work);
  return textshow::finish_show(console);
}
