#include "play/font_file.hpp"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <stdexcept>

namespace textshow::play {

namespace {

constexpr char DEFAULT_FONT[] = "DejaVu Sans Mono";

struct PatternFree {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

// fontconfig keeps what it loaded, the configuration and the font list, until
// it is told to let go; nothing else in the program asks it anything.
struct FontconfigDone {
  ~FontconfigDone() { FcFini(); }
};

std::string matching_file() {
  // fontconfig substitutes the closest font it has for a missing one, as
  // every program that asks it does, so a machine without DejaVu still draws.
  const Pattern wanted(FcNameParse(reinterpret_cast<const FcChar8*>(DEFAULT_FONT)));
  if (!wanted) {
    throw std::runtime_error("cannot ask fontconfig for a font");
  }
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  const Pattern found(FcFontMatch(nullptr, wanted.get(), &result));
  FcChar8* file = nullptr;
  if (!found || FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch) {
    throw std::runtime_error("no font found for \"" + std::string(DEFAULT_FONT) + "\"; give one with --font FILE");
  }
  return reinterpret_cast<const char*>(file);
}

}  // namespace

std::string default_font_file() {
  const FontconfigDone done;
  return matching_file();
}

}  // namespace textshow::play
