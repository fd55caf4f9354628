#include "play/show_tally.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace textshow::play {
namespace {

using std::chrono::milliseconds;

const Stage TWO_STAGES[] = {
    {"first", 2, 1, nullptr},
    {"second", 2, 1, nullptr},
};

TEST(ShowTally, CountsEachStagesFramesAndTimeWithoutPauses) {
  const TimePoint start{};
  ShowTally tally(3);
  tally.frame_shown(0, start);
  tally.frame_shown(0, start + milliseconds(100));
  tally.pause(start + milliseconds(150));
  tally.resume(start + milliseconds(5000));
  tally.frame_shown(1, start + milliseconds(5050));
  tally.finish(start + milliseconds(5250));
  EXPECT_EQ(tally.frames(0), 2);
  EXPECT_EQ(tally.time(0), milliseconds(200)) << "the paused 4850 ms left out";
  EXPECT_EQ(tally.frames(1), 1);
  EXPECT_EQ(tally.time(1), milliseconds(200));
  EXPECT_EQ(tally.frames(2), 0);
}

TEST(ShowTally, SummarisesEveryStageAndFurtherFramesOnlyIfShown) {
  const StagePlan plan(TWO_STAGES);
  const TimePoint start{};
  ShowTally tally(plan.count());
  tally.frame_shown(0, start);
  tally.frame_shown(0, start + milliseconds(250));
  tally.finish(start + milliseconds(500));
  EXPECT_EQ(summary_lines(tally, plan),
            (std::vector<std::string>{
                "first                2 frames     0.50 s     4.0 fps",
                "second               0 frames     0.00 s       - fps",
            }));
  tally.frame_shown(2, start + milliseconds(600));
  tally.finish(start + milliseconds(700));
  EXPECT_EQ(summary_lines(tally, plan).back(), "further frames       1 frames     0.10 s    10.0 fps");
}

// Runs `report` with standard output and standard error going to the files
// `out` and `err`, and gives them back afterwards.
template <typename Report>
void with_outputs(const char* out, const char* err, Report report) {
  std::fflush(stdout);
  std::fflush(stderr);
  const int saved_out = dup(STDOUT_FILENO);
  const int saved_err = dup(STDERR_FILENO);
  const int out_file = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err_file = open(err, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(out_file, STDOUT_FILENO);
  dup2(err_file, STDERR_FILENO);
  close(out_file);
  close(err_file);
  report();
  std::fflush(stdout);
  dup2(saved_out, STDOUT_FILENO);
  dup2(saved_err, STDERR_FILENO);
  close(saved_out);
  close(saved_err);
}

std::string file_text(const std::string& path) {
  std::string text;
  if (std::FILE* file = std::fopen(path.c_str(), "r")) {
    for (int c = 0; (c = std::fgetc(file)) != EOF;) {
      text += static_cast<char>(c);
    }
    std::fclose(file);
  }
  return text;
}

// The summary goes to standard error, so that a recording written to standard
// output stays whole, and a summary that cannot be written is an error.
TEST(ReportSummary, GoesToStandardErrorAndFailsLoudly) {
  const StagePlan plan(TWO_STAGES);
  ShowTally tally(plan.count());
  const std::string out = testing::TempDir() + "summary_out";
  const std::string err = testing::TempDir() + "summary_err";
  with_outputs(out.c_str(), err.c_str(), [&] { report_summary(tally, plan); });
  EXPECT_EQ(file_text(out), "");
  EXPECT_EQ(file_text(err), summary_lines(tally, plan)[0] + "\n" + summary_lines(tally, plan)[1] + "\n");

  int error = 0;
  with_outputs(out.c_str(), "/dev/full", [&] {
    try {
      report_summary(tally, plan);
    } catch (const std::system_error& failure) {
      error = failure.code().value();
    }
  });
  EXPECT_EQ(error, ENOSPC);
  std::clearerr(stderr);
}

}  // namespace
}  // namespace textshow::play
