#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "effects/tunnel/tunnel_effect.hpp"
#include "run/command_line.hpp"
#include "run/show.hpp"
#include "run/speed_setting.hpp"

namespace {

// One tunnel frame, the smallest frame of the show: every frame then makes at
// least one write, so a console that stops taking output is found in the frame
// it failed, and a reader of a pipe is never a whole frame behind a paced show.
// A show leaves in 989 write calls (the C library's 4 KiB buffer made 1,219). A
// 64 KiB buffer made 77, but let a slow show run 13 frames into a failed console.
constexpr std::size_t OUTPUT_BUFFER_SIZE = textshow::TUNNEL_FRAME_BYTES;

// Standard output's buffer, of static storage so that the C library allocates
// none and it outlives the flush at exit. The buffering mode stays the one the
// C library would choose: by line on a terminal, in blocks elsewhere.
void give_output_buffer() {
  static char buffer[OUTPUT_BUFFER_SIZE];
  std::setvbuf(stdout, buffer, isatty(STDOUT_FILENO) != 0 ? _IOLBF : _IOFBF, sizeof buffer);
}

// Exactly one byte, read past any buffer, so that the rest of the input stays
// for whoever reads it next. End of input and a read error give EOF.
int read_speed_byte() {
  unsigned char byte = 0;
  ssize_t count = 0;
  do {
    count = ::read(STDIN_FILENO, &byte, 1);
  } while (count < 0 && errno == EINTR);
  return count == 1 ? byte : EOF;
}

void play() {
  give_output_buffer();
  static textshow::WorkArea work;  // zeroed before the speed byte is read
  const textshow::Console console{
      .out = stdout,
      .speed_setting = textshow::speed_setting_from(read_speed_byte()),
  };
  textshow::play_show(console, work);
  textshow::finish_show(console);
}

void print(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  textshow::Console{.out = stdout}.check_output();
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    if (const auto text = textshow::requested_text({argv + 1, argv + argc})) {
      print(*text);
    } else {
      play();
    }
  } catch (const std::system_error& failure) {
    std::fprintf(stderr, "textshow: %s\n", failure.what());
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
