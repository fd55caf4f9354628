#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "run/show.hpp"
#include "run/speed_setting.hpp"

int main() {
  static textshow::WorkArea work;  // zeroed before the speed byte is read
  const textshow::Console console{
      .out = stdout,
      .speed_setting = textshow::speed_setting_from(std::getchar()),
  };
  try {
    textshow::play_show(console, work);
    textshow::finish_show(console);
  } catch (const std::system_error& failure) {
    std::fprintf(stderr, "textshow: %s\n", failure.what());
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
