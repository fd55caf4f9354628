// Counts every heap allocation of the process by standing in for the C
// allocator, so that allocations made by the runtime on the show's behalf
// count too, not only those of operator new.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "run/show.hpp"
#include "support/capture.hpp"

// NOLINTBEGIN(bugprone-reserved-identifier, readability-identifier-naming): the C library's own allocator.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}
// NOLINTEND(bugprone-reserved-identifier, readability-identifier-naming)

namespace {
std::size_t allocations = 0;
}  // namespace

extern "C" void* malloc(std::size_t size) noexcept {
  ++allocations;
  return __libc_malloc(size);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the C library's names are reserved.
extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  ++allocations;
  return __libc_calloc(count, size);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): likewise.
extern "C" void* realloc(void* block, std::size_t size) noexcept {
  ++allocations;
  return __libc_realloc(block, size);
}

namespace textshow {
namespace {

TEST(Allocation, TheCounterSeesAllocations) {
  const std::size_t before = allocations;
  std::FILE* stream = std::fopen("/dev/null", "w");  // the C library allocates the stream
  ASSERT_NE(stream, nullptr);
  std::fclose(stream);
  EXPECT_GT(allocations, before);
}

TEST(Allocation, NothingIsAllocatedWhileTheShowRuns) {
  static char buffer[BUFSIZ];
  std::FILE* sink = std::fopen("/dev/null", "w");
  ASSERT_NE(sink, nullptr);
  std::setvbuf(sink, buffer, _IOFBF, sizeof buffer);
  static WorkArea work;
  int units = 0;
  const Console console{.out = sink, .speed_setting = 1, .delay_unit = testing::tallying_unit(units)};

  const std::size_t before = allocations;
  play_show(console, work);
  finish_show(console);
  const std::size_t during = allocations - before;

  std::fclose(sink);
  EXPECT_EQ(during, 0U);
}

}  // namespace
}  // namespace textshow
