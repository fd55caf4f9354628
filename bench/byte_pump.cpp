// The fastest writer of a recorded show: it loads the recorded bytes into memory,
// then writes them with one putchar_unlocked per byte, as the show makes one
// output call per byte. The yardstick for textshow's own cost.
// Usage: byte_pump RECORDED_OUTPUT
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <system_error>

namespace textshow {

// The file is mapped and paged in by one call (MAP_POPULATE). Copying it into an
// allocated buffer instead costs one page fault per 4 KiB page, which on a
// virtual machine takes longer than writing the bytes does.
std::string_view load(const char* path) {
  const int file = open(path, O_RDONLY);
  struct stat status {};
  if (file < 0 || fstat(file, &status) != 0) {
    throw std::system_error(errno, std::generic_category(), path);
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file, 0);
  close(file);
  if (bytes == MAP_FAILED) {
    throw std::system_error(errno, std::generic_category(), path);
  }
  return {static_cast<const char*>(bytes), size};
}

void pump(std::string_view bytes) {
  for (const char byte : bytes) {
    putchar_unlocked(byte);
  }
}

}  // namespace textshow

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: byte_pump RECORDED_OUTPUT\n", stderr);
    return 2;
  }
  try {
    textshow::pump(textshow::load(argv[1]));
  } catch (const std::system_error& failure) {
    std::fprintf(stderr, "byte_pump: %s\n", failure.what());
    return 1;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
