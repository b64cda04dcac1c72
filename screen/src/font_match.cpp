#if !defined(_WIN32)

#include "screen/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "language/utf8.h"

namespace screen {
namespace {

// The generic family behind FF_SWISS: where the face is unknown, fontconfig
// falls back to it rather than to whatever it would pick for no family at all.
constexpr const char* kSwissFamily = "sans-serif";
constexpr int kNormalWeight = 400;

}  // namespace

std::optional<FontFile> MatchFontFile(const FontRequest& font) {
  // Weight 0 means "don't care" to CreateFontW; fontconfig wants 1..1000.
  const int weight = font.weight <= 0 ? kNormalWeight : std::min(font.weight, 1000);
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  const std::string family = language::WideToUtf8(font.face);
  if (!family.empty()) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kSwissFamily));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  std::optional<FontFile> file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    file = FontFile{reinterpret_cast<const char*>(path), index};
  }
  FcPatternDestroy(match);
  return file;
}

}  // namespace screen

#endif  // !_WIN32
