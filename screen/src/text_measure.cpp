#if !defined(_WIN32)

#include "text_measure.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "language/utf8.h"
#include "screen/font_match.h"

namespace screen {
namespace {

// The FreeType library, fontconfig's matches and every face opened so far,
// kept for the process: the builders measure some thirty times with three or
// four fonts.
class FaceCache {
 public:
  ~FaceCache() {
    for (auto& [key, face] : faces_) {
      if (face != nullptr) FT_Done_Face(face);
    }
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  std::vector<int> Measure(const FontRequest& font, int log_pixels_y,
                           std::span<const std::wstring_view> texts) {
    std::vector<int> widths(texts.size(), 0);
    const int pixel_height = MulDiv(font.point_size, log_pixels_y, 72);
    if (pixel_height <= 0) return widths;
    std::lock_guard<std::mutex> lock(mutex_);
    FT_Face face = FaceFor(font);
    if (face == nullptr) return widths;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_height)) != 0) return widths;
    for (std::size_t i = 0; i < texts.size(); ++i) widths[i] = Width(face, texts[i]);
    return widths;
  }

 private:
  // Hinted advances are whole pixels in 26.6; the rounding only guards
  // unhinted fonts.
  static int Width(FT_Face face, std::wstring_view text) {
    long long width = 0;
    // A text ends at its first NUL, like the C strings GDI measures.
    for (char32_t c : language::WideToCodePoints(text.substr(0, text.find(L'\0')))) {
      if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) != 0) continue;
      width += (static_cast<long long>(face->glyph->advance.x) + 32) >> 6;
    }
    return static_cast<int>(std::clamp<long long>(width, INT_MIN, INT_MAX));
  }

  FT_Face FaceFor(const FontRequest& font) {
    if (library_ == nullptr) {
      if (library_failed_) return nullptr;
      if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        library_failed_ = true;
        return nullptr;
      }
    }
    // Matching is the slow part, and the builders ask for the same few fonts.
    auto [matched, inserted] =
        matches_.try_emplace(std::make_pair(font.face, font.weight), std::nullopt);
    if (inserted) matched->second = MatchFontFile(font);
    const std::optional<FontFile>& file = matched->second;
    if (!file) return nullptr;
    auto key = std::make_pair(file->path, file->index);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file->path.c_str(), file->index, &face) != 0) face = nullptr;
    faces_.emplace(std::move(key), face);  // a file that failed stays failed
    return face;
  }

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  bool library_failed_ = false;
  std::map<std::pair<std::wstring, int>, std::optional<FontFile>> matches_;  // by face, weight
  std::map<std::pair<std::string, int>, FT_Face> faces_;                     // by file, index
};

}  // namespace

std::vector<int> MeasureWithFreeType(const FontRequest& font, int log_pixels_y,
                                     std::span<const std::wstring_view> texts) {
  static FaceCache cache;
  return cache.Measure(font, log_pixels_y, texts);
}

}  // namespace screen

// fontconfig (2.14) leaks a few hundred bytes once, while it parses its
// configuration; without this, every sanitizer build of a program that measures
// text would fail its leak check on exit. Only allocations made inside
// fontconfig are exempted.
#if defined(__SANITIZE_ADDRESS__)
#define SCREEN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCREEN_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(SCREEN_ADDRESS_SANITIZER)
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

#endif  // !_WIN32
