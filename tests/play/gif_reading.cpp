#include "gif_reading.hpp"

#include <gif_lib.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <stdexcept>

#include "play/font_file.hpp"

namespace textshow::play::testing {

namespace {

struct Source {
  std::string_view bytes;
  std::size_t at = 0;
};

int read_from_memory(GifFileType* gif, GifByteType* into, int size) {
  auto& source = *static_cast<Source*>(gif->UserData);
  const std::size_t count = std::min(static_cast<std::size_t>(size), source.bytes.size() - source.at);
  std::memcpy(into, source.bytes.data() + source.at, count);
  source.at += count;
  return static_cast<int>(count);
}

struct GifClose {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

bool is_loop_extension(const ExtensionBlock& block) {
  return block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
         std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0;
}

DecodedImage decoded(GifFileType* gif, int index) {
  const SavedImage& saved = gif->SavedImages[index];
  GraphicsControlBlock control{};
  DGifSavedExtensionToGCB(gif, index, &control);
  DecodedImage image{.rect = {saved.ImageDesc.Left, saved.ImageDesc.Top, saved.ImageDesc.Width,
                              saved.ImageDesc.Height},
                     .delay = control.DelayTime,
                     .transparent = control.TransparentColor,
                     .colors = {},
                     .pixels = {}};
  const ColorMapObject* map = saved.ImageDesc.ColorMap != nullptr ? saved.ImageDesc.ColorMap : gif->SColorMap;
  for (int i = 0; map != nullptr && i < map->ColorCount; ++i) {
    image.colors.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  }
  image.pixels.assign(saved.RasterBits,
                      saved.RasterBits + static_cast<std::ptrdiff_t>(saved.ImageDesc.Width) * saved.ImageDesc.Height);
  return image;
}

}  // namespace

const GlyphAtlas& default_atlas() {
  static const GlyphAtlas atlas(default_font_file(), DEFAULT_FONT_SIZE);
  return atlas;
}

int DecodedGif::total_delay() const {
  return std::accumulate(images.begin(), images.end(), 0,
                         [](int sum, const DecodedImage& image) { return sum + image.delay; });
}

DecodedGif decode_gif(std::string_view bytes) {
  Source source{bytes};
  int error = 0;
  const std::unique_ptr<GifFileType, GifClose> gif(DGifOpen(&source, read_from_memory, &error));
  if (!gif) {
    throw std::runtime_error(std::string("not a GIF: ") + GifErrorString(error));
  }
  if (DGifSlurp(gif.get()) != GIF_OK) {
    throw std::runtime_error(std::string("not a whole GIF: ") + GifErrorString(gif->Error));
  }
  DecodedGif result{.width = gif->SWidth, .height = gif->SHeight, .loops = false, .images = {}};
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& saved = gif->SavedImages[i];
    for (int b = 0; b < saved.ExtensionBlockCount; ++b) {
      result.loops = result.loops || is_loop_extension(saved.ExtensionBlocks[b]);
    }
    result.images.push_back(decoded(gif.get(), i));
  }
  return result;
}

std::vector<Rgb> picture_after(const DecodedGif& gif, int last) {
  std::vector<Rgb> picture(static_cast<std::size_t>(gif.width) * static_cast<std::size_t>(gif.height));
  for (int i = 0; i <= last; ++i) {
    const DecodedImage& image = gif.images[static_cast<std::size_t>(i)];
    for (int y = 0; y < image.rect.height; ++y) {
      for (int x = 0; x < image.rect.width; ++x) {
        const int at = (y * image.rect.width) + x;
        const int index = image.pixels[static_cast<std::size_t>(at)];
        if (index != image.transparent) {
          const int shown_at = ((image.rect.top + y) * gif.width) + image.rect.left + x;
          picture[static_cast<std::size_t>(shown_at)] = image.colors[static_cast<std::size_t>(index)];
        }
      }
    }
  }
  return picture;
}

}  // namespace textshow::play::testing
