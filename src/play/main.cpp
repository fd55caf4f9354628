#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <system_error>

#include "play/font_file.hpp"
#include "play/frame_feed.hpp"
#include "play/gif_recording.hpp"
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
    return FrameFeed(open_stream(*options.stream_path), *options.stream_path);
  }
  return FrameFeed(show_frames());
}

void print_summary(const ShowTally& tally, const StagePlan& plan) {
  for (const std::string& line : summary_lines(tally, plan)) {
    std::printf("%s\n", line.c_str());
  }
}

void record(const Options& options, const StagePlan& plan) {
  FrameFeed feed = feed_for(options);
  feed.read_all();
  std::ofstream out(*options.record_path, std::ios::binary);
  if (!out) {
    throw std::system_error(errno, std::generic_category(), "cannot write " + *options.record_path);
  }
  ShowTally tally(plan.count());
  record_frames(feed.frames(), plan, options.fps, out, tally, recording_depth(options.color));
  out.close();
  if (!out) {
    throw std::system_error(errno, std::generic_category(), "cannot write " + *options.record_path);
  }
  print_summary(tally, plan);
}

void make_gif(const Options& options, const StagePlan& plan) {
  OutputFile out(*options.gif_path);
  const GlyphAtlas atlas(options.font_path ? *options.font_path : default_font_file(), options.font_size);
  FrameFeed feed = feed_for(options);
  GifWriter writer(out.stream(), out.name(), GifAnimation::width(atlas), GifAnimation::height(atlas));
  GifAnimation animation(atlas, writer);
  ShowTally tally(plan.count());
  const GifSettings settings{
      .fps = options.fps, .depth = gif_color_depth(options.color, std::getenv("NO_COLOR")), .stages = options.stages};
  record_gif(feed, plan, settings, animation, tally);
  writer.finish();
  out.commit();
  const std::vector<std::string> lines = summary_lines(tally, plan);
  for (std::size_t stage = 0; stage < lines.size(); ++stage) {
    if (options.stages.holds(static_cast<int>(stage))) {
      std::printf("%s\n", lines[stage].c_str());
    }
  }
}

// Returns the stop signal that ended the play early, if one did.
std::optional<int> play(const Options& options, const StagePlan& plan) {
  FrameFeed feed = feed_for(options);
  ShowTally tally(plan.count());
  const StopSignals signals;
  {
    Screen screen(options.color, options.crop);
    Player(screen, feed, plan, signals, options.fps, options.loop, tally).run();
  }
  print_summary(tally, plan);
  return StopSignals::caught();
}

int run(const Options& options) {
  const StagePlan plan = StagePlan::of_show();
  if (options.record_path) {
    record(options, plan);
    return EXIT_SUCCESS;
  }
  if (options.gif_path) {
    make_gif(options, plan);
    return EXIT_SUCCESS;
  }
  if (const std::optional<int> signal = play(options, plan)) {
    StopSignals::end_by(*signal);
  }
  return EXIT_SUCCESS;
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
    return EXIT_SUCCESS;
  }
  if (options.version) {
    std::printf("textshow-play %.*s\n", static_cast<int>(VERSION.size()), VERSION.data());
    return EXIT_SUCCESS;
  }
  try {
    return run(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "textshow-play: %s\n", error.what());
    return EXIT_FAILURE;
  }
}
