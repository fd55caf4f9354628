#include "play/output_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace textshow::play {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("output_file_test." + std::to_string(::getpid()));
    fs::create_directory(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const char* name) const { return (folder_ / name).string(); }
  int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(folder_), {})); }

  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(OutputFileTest, TakesItsNameOnlyWhenComplete) {
  const std::string name = path("show.gif");
  {
    OutputFile out(name);
    std::fputs("GIF", out.stream());
    EXPECT_FALSE(fs::exists(name)) << "not yet under its name";
    EXPECT_EQ(entries(), 1) << "a temporary file beside it";
    out.commit();
  }
  EXPECT_EQ(contents(name), "GIF");
  EXPECT_EQ(entries(), 1);
}

TEST_F(OutputFileTest, LeavesNothingNewWhenNotCommitted) {
  const std::string name = path("show.gif");
  std::ofstream(name) << "old";
  {
    OutputFile out(name);
    std::fputs("half a GIF", out.stream());
  }
  EXPECT_EQ(contents(name), "old") << "the file of that name stays as it was";
  EXPECT_EQ(entries(), 1) << "and the temporary file is gone";
}

TEST_F(OutputFileTest, SaysWhyItCannotWrite) {
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {path("missing/show.gif"), "cannot write " + path("missing/show.gif") + ": No such file or directory"},
      {folder_.string(), "cannot write " + folder_.string() + ": Is a directory"},
  };
  for (const Case& c : cases) {
    try {
      OutputFile out(c.path);
      ADD_FAILURE() << c.path << " was opened";
    } catch (const std::system_error& error) {
      EXPECT_EQ(error.what(), c.message);
    }
  }
  EXPECT_EQ(entries(), 0);
}

TEST_F(OutputFileTest, WritesADeviceDirectlyAndReportsItFull) {
  OutputFile out("/dev/full");
  std::fputs("GIF", out.stream());
  try {
    out.commit();
    ADD_FAILURE() << "a full disk was not reported";
  } catch (const std::system_error& error) {
    EXPECT_STREQ(error.what(), "cannot write /dev/full: No space left on device");
  }
  EXPECT_TRUE(fs::is_character_file("/dev/full")) << "the device is left in place";
}

}  // namespace
}  // namespace textshow::play
