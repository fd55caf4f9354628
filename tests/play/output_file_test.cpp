#include "play/output_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace textshow::play {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(testing::TempDir()) / ("output_file_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  // The names in the folder, so that a file left behind shows.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
      found.push_back(entry.path().filename().string());
    }
    return found;
  }

  static std::string text_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static void write_file(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

  fs::path folder_;
};

TEST_F(OutputFileTest, PutsAWholeOutputInPlaceOnlyWhenCommitted) {
  const std::string cast = path("show.cast");
  {
    OutputFile out(cast);
    out.stream() << "recorded";
    EXPECT_FALSE(fs::exists(cast)) << "visible under its name before it is whole";
    out.commit();
  }
  EXPECT_EQ(text_of(cast), "recorded");
  EXPECT_EQ(names(), std::vector<std::string>{"show.cast"}) << "a temporary file left behind";
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(fs::status(cast).permissions(), static_cast<fs::perms>(0666 & ~mask));
}

TEST_F(OutputFileTest, LeavesNothingOfAnOutputCutShort) {
  const std::string fresh = path("fresh.cast");
  const std::string old = path("old.cast");
  write_file(old, "the old recording");
  fs::permissions(old, static_cast<fs::perms>(0640));
  {
    OutputFile fresh_out(fresh);
    OutputFile old_out(old);
    fresh_out.stream() << "half";
    old_out.stream() << "half";
  }
  EXPECT_EQ(names(), std::vector<std::string>{"old.cast"});
  EXPECT_EQ(text_of(old), "the old recording");

  OutputFile replacing(old);
  replacing.stream() << "the new one";
  replacing.commit();
  EXPECT_EQ(text_of(old), "the new one");
  EXPECT_EQ(fs::status(old).permissions(), static_cast<fs::perms>(0640)) << "the replaced file's mode";
}

TEST_F(OutputFileTest, WritesADeviceDirectly) {
  {
    OutputFile out("/dev/null");
    out.stream() << "gone";
    out.commit();
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null")) << "/dev/null was replaced";

  OutputFile full("/dev/full");
  full.stream() << std::string(1 << 16, 'x');
  try {
    full.commit();
    ADD_FAILURE() << "a write to /dev/full was taken as done";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code().value(), ENOSPC);
    EXPECT_EQ(std::string(error.what()).rfind("cannot write /dev/full", 0), 0U) << error.what();
  }
}

TEST_F(OutputFileTest, RefusesAPathItCannotWriteAtOnce) {
  const std::string path_in_missing_folder = path("no/such/folder/x.cast");
  try {
    OutputFile out(path_in_missing_folder);
    ADD_FAILURE() << "opened " << path_in_missing_folder;
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code().value(), ENOENT);
    EXPECT_EQ(std::string(error.what()).rfind("cannot write " + path_in_missing_folder, 0), 0U) << error.what();
  }
  EXPECT_TRUE(names().empty());
}

}  // namespace
}  // namespace textshow::play
