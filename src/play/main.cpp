#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "play/frame_feed.hpp"
#include "play/options.hpp"
#include "play/output_file.hpp"
#include "play/player.hpp"
#include "play/recording.hpp"
#include "play/version.hpp"

namespace textshow::play {

namespace {

constexpr int USAGE_FAILURE = 2;

FrameFeed feed_for(const Options& options) {
  if (options.stream_path) {
    return FrameFeed(open_stream(*options.stream_path), *options.stream_path, options.loop);
  }
  return FrameFeed(show_frames());
}

// A stream without a single frame is most likely the wrong one: it is an error.
void check_held_frame(const FrameFeed& feed) {
  if (!feed.held_frame()) {
    throw std::runtime_error((feed.name() == "-" ? std::string("standard input") : feed.name()) +
                             " held no frame");
  }
}

// Returns the stop signal that ended the recording early, if one did.
std::optional<int> record(const Options& options, const StagePlan& plan) {
  OutputFile out(*options.record_path);
  FrameFeed feed = feed_for(options);
  ShowTally tally(plan.count());
  {
    const StopSignals signals;
    record_frames(feed, plan, options.fps, out.stream(), tally, recording_depth(options.color), signals);
  }
  if (const std::optional<int> signal = StopSignals::caught()) {
    return signal;
  }
  check_held_frame(feed);
  out.commit();
  report_summary(tally, plan);
  return std::nullopt;
}

// Returns the stop signal that ended the play early, if one did.
std::optional<int> play(const Options& options, const StagePlan& plan) {
  FrameFeed feed = feed_for(options);
  ShowTally tally(plan.count());
  {
    const StopSignals signals;
    Screen screen(options.color, options.crop);
    Player(screen, feed, plan, signals, options.fps, options.loop, tally).run();
  }
  if (const std::optional<int> signal = StopSignals::caught()) {
    // The program ends by the signal whatever happens to the summary: after
    // SIGHUP the terminal it would go to is most likely gone.
    try {
      report_summary(tally, plan);
    } catch (const std::system_error&) {
    }
    return signal;
  }
  if (feed.ended()) {
    check_held_frame(feed);
  }
  report_summary(tally, plan);
  return std::nullopt;
}

int run(const Options& options) {
  const StagePlan plan = StagePlan::of_show();
  const std::optional<int> signal = options.record_path ? record(options, plan) : play(options, plan);
  if (signal) {
    StopSignals::end_by(*signal);
  }
  return EXIT_SUCCESS;
}

// Whatever went to standard output (help, version, a recording) must have
// got there.
int checked_standard_output(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "textshow-play: cannot write standard output: %s\n", std::strerror(errno));
    return EXIT_FAILURE;
  }
  return status;
}

}  // namespace

}  // namespace textshow::play

int main(int argc, char* argv[]) {
  using namespace textshow::play;
  Options options;
  try {
    options = parse_options(argc, argv);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "textshow-play: %s\nTry 'textshow-play --help'.\n", error.what());
    return USAGE_FAILURE;
  }
  if (options.help) {
    std::printf("%s", usage_text().c_str());
    return checked_standard_output(EXIT_SUCCESS);
  }
  if (options.version) {
    std::printf("textshow-play %.*s\n", static_cast<int>(VERSION.size()), VERSION.data());
    return checked_standard_output(EXIT_SUCCESS);
  }
  try {
    return checked_standard_output(run(options));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "textshow-play: %s\n", error.what());
    return EXIT_FAILURE;
  }
}
