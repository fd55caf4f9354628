#include "play/gif_writer.hpp"

#include <gif_lib.h>

#include <array>
#include <bit>
#include <cerrno>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace textshow::play {

namespace {

// The application extension that makes a GIF loop: "NETSCAPE2.0", then
// sub-block 1 with a loop count of 0, for ever.
constexpr std::array<GifByteType, 11> LOOP_APPLICATION = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
constexpr std::array<GifByteType, 3> LOOP_FOR_EVER = {1, 0, 0};

// Bits of each primary in the colours of the images, as the header tells.
constexpr int COLOR_RESOLUTION = 8;

int write_to_memory(GifFileType* gif, const GifByteType* bytes, int size) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
  return size;
}

struct ColorMapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// giflib wants a table of a power of two entries; those past `colors` are black.
std::unique_ptr<ColorMapObject, ColorMapFree> color_map(std::span<const Rgb> colors) {
  const auto size = std::bit_ceil(std::max<std::size_t>(colors.size(), 2));
  std::vector<GifColorType> table(size, GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < colors.size(); ++i) {
    table[i] = {colors[i].red, colors[i].green, colors[i].blue};
  }
  std::unique_ptr<ColorMapObject, ColorMapFree> map(GifMakeMapObject(static_cast<int>(size), table.data()));
  if (!map) {
    throw std::bad_alloc();
  }
  return map;
}

std::string graphics_control(std::optional<int> transparent, int delay) {
  const GraphicsControlBlock control{
      .DisposalMode = DISPOSE_DO_NOT,
      .UserInputFlag = false,
      .DelayTime = delay,
      .TransparentColor = transparent.value_or(NO_TRANSPARENT_COLOR),
  };
  std::array<GifByteType, 4> bytes{};
  const std::size_t size = EGifGCBToExtension(&control, bytes.data());
  return {reinterpret_cast<const char*>(bytes.data()), size};
}

}  // namespace

GifWriter::GifWriter(std::ostream& out, std::string name, int width, int height)
    : out_(out), name_(std::move(name)) {
  int error = 0;
  gif_ = EGifOpen(&memory_, write_to_memory, &error);
  if (gif_ == nullptr) {
    throw std::bad_alloc();
  }
  EGifSetGifVersion(gif_, true);
  check(EGifPutScreenDesc(gif_, width, height, COLOR_RESOLUTION, 0, nullptr) == GIF_OK);
  check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK);
  check(EGifPutExtensionBlock(gif_, LOOP_APPLICATION.size(), LOOP_APPLICATION.data()) == GIF_OK);
  check(EGifPutExtensionBlock(gif_, LOOP_FOR_EVER.size(), LOOP_FOR_EVER.data()) == GIF_OK);
  check(EGifPutExtensionTrailer(gif_) == GIF_OK);
  put_out(memory_);
}

GifWriter::~GifWriter() {
  if (gif_ != nullptr) {
    EGifCloseFile(gif_, nullptr);
  }
}

std::string GifWriter::encode(const GifImage& image) {
  memory_.clear();
  const auto map = color_map(image.colors);
  const GifRect& rect = image.rect;
  check(EGifPutImageDesc(gif_, rect.left, rect.top, rect.width, rect.height, false, map.get()) == GIF_OK);
  // giflib takes the line as writable but only reads it.
  auto* pixels = const_cast<GifPixelType*>(image.pixels.data());
  check(EGifPutLine(gif_, pixels, rect.width * rect.height) == GIF_OK);
  return std::move(memory_);
}

void GifWriter::write(const std::string& encoded, std::optional<int> transparent, int delay) {
  memory_.clear();
  const std::string control = graphics_control(transparent, delay);
  check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(control.size()), control.data()) ==
        GIF_OK);
  put_out(memory_);
  put_out(encoded);
}

void GifWriter::finish() {
  memory_.clear();
  int error = 0;
  const bool closed = EGifCloseFile(gif_, &error) == GIF_OK;
  gif_ = nullptr;
  if (!closed) {
    throw std::runtime_error("cannot encode " + name_ + ": " + GifErrorString(error));
  }
  put_out(memory_);
}

// giflib writes only into memory, so a failure here is one of giflib's own.
void GifWriter::check(bool done) {
  if (!done) {
    throw std::runtime_error("cannot encode " + name_ + ": " + GifErrorString(gif_->Error));
  }
}

void GifWriter::put_out(const std::string& bytes) {
  errno = 0;
  if (!out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    throw std::system_error(errno != 0 ? errno : EIO, std::generic_category(), "cannot write " + name_);
  }
}

}  // namespace textshow::play
