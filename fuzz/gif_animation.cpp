// Feeds the GIF renderer the frames of any stream, coloured by a stage the
// input chooses: what it writes must read back as a whole GIF of the
// picture's size, with no more images than frames.
#include <gif_lib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "play/font_file.hpp"
#include "play/frame_splitter.hpp"
#include "play/gif_animation.hpp"
#include "play/gif_writer.hpp"
#include "play/glyph_atlas.hpp"
#include "play/palette.hpp"

namespace {

using namespace textshow::play;

constexpr int DELAY = 4;
constexpr int STAGE_CHOICES = 8;  // the show's seven stages and further frames

const GlyphAtlas& atlas() {
  static const GlyphAtlas loaded(default_font_file(), DEFAULT_FONT_SIZE);
  return loaded;
}

struct Source {
  std::string_view rest;
};

int read_from_memory(GifFileType* gif, GifByteType* bytes, int wanted) {
  auto& source = *static_cast<Source*>(gif->UserData);
  const std::size_t count = std::min(source.rest.size(), static_cast<std::size_t>(wanted));
  std::memcpy(bytes, source.rest.data(), count);
  source.rest.remove_prefix(count);
  return static_cast<int>(count);
}

struct GifClose {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const int stage = data[0] % STAGE_CHOICES;
  const std::vector<Frame> frames = split_frames(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  if (frames.empty()) {
    return 0;
  }
  std::ostringstream out;
  {
    GifWriter writer(out, "fuzz output", GifAnimation::width(atlas()), GifAnimation::height(atlas()));
    GifAnimation animation(atlas(), writer);
    FrameColors colors{};
    for (const Frame& frame : frames) {
      color_frame(frame, stage, ColorDepth::COLORS_256, colors);
      animation.add(frame, colors, DELAY);
    }
    writer.finish();
  }
  const std::string bytes = out.str();
  Source source{bytes};
  int error = 0;
  const std::unique_ptr<GifFileType, GifClose> gif(DGifOpen(&source, read_from_memory, &error));
  if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->SWidth != GifAnimation::width(atlas()) ||
      gif->SHeight != GifAnimation::height(atlas()) || gif->ImageCount < 1 ||
      gif->ImageCount > static_cast<int>(frames.size())) {
    std::abort();
  }
  return 0;
}
