#if !defined(_WIN32)

#include "text_measure.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "language/utf8.h"
#include "screen/font_match.h"

namespace screen {
namespace {

// The FreeType library, fontconfig's matches, every face opened so far and
// the advances measured with it, kept for the process: the builders measure
// some thirty times with three or four fonts, and again on every rebuild.
class FaceCache {
 public:
  ~FaceCache() {
    for (auto& [key, open] : faces_) {
      if (open.face != nullptr) FT_Done_Face(open.face);
    }
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  std::vector<int> Measure(const FontRequest& font, int log_pixels_y,
                           std::span<const std::wstring_view> texts) {
    std::vector<int> widths(texts.size(), 0);
    const int pixel_height = MulDiv(font.point_size, log_pixels_y, 72);
    if (pixel_height <= 0) return widths;
    std::lock_guard<std::mutex> lock(mutex_);
    OpenFace* face = FaceFor(font);
    if (face == nullptr) return widths;
    Advances& advances = face->sizes[pixel_height];
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::optional<int> width = Width(*face, pixel_height, advances, texts[i]);
      if (!width) return std::vector<int>(texts.size(), 0);  // the size cannot be set
      widths[i] = *width;
    }
    return widths;
  }

  int LineHeight(const FontRequest& font, int log_pixels_y) {
    const int pixel_height = MulDiv(font.point_size, log_pixels_y, 72);
    if (pixel_height <= 0) return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    OpenFace* face = FaceFor(font);
    if (face == nullptr) return 0;
    if (face->pixel_height != pixel_height) {
      if (FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(pixel_height)) != 0) {
        face->pixel_height = 0;
        return 0;
      }
      face->pixel_height = pixel_height;
    }
    return static_cast<int>((static_cast<long long>(face->face->size->metrics.height) + 63) >> 6);
  }

 private:
  // The advance of each character already measured at one pixel height, in
  // whole pixels; a character without a glyph advances 0. Latin text stays in
  // the array; the map holds the rest.
  struct Advances {
    static constexpr char32_t kDirect = 0x250;
    std::array<int, kDirect> direct{};
    std::array<bool, kDirect> known{};
    std::unordered_map<char32_t, int> other;

    const int* Find(char32_t c) const {
      if (c < kDirect) return known[c] ? &direct[c] : nullptr;
      const auto found = other.find(c);
      return found == other.end() ? nullptr : &found->second;
    }
    void Store(char32_t c, int advance) {
      if (c < kDirect) {
        direct[c] = advance;
        known[c] = true;
      } else {
        other.emplace(c, advance);
      }
    }
  };

  // A FreeType face with the advances measured so far at each pixel height.
  // FreeType's hinting interpreter runs once per character and size, and the
  // face's size is set only when a character must be loaded at another one.
  struct OpenFace {
    FT_Face face = nullptr;
    int pixel_height = 0;  // the size the face is set to; 0 before the first
    std::map<int, Advances> sizes;
  };

  // The text's width, or nothing when the face cannot be set to the size.
  // Hinted advances are whole pixels in 26.6; the rounding only guards
  // unhinted fonts.
  static std::optional<int> Width(OpenFace& face, int pixel_height, Advances& advances,
                                  std::wstring_view text) {
    long long width = 0;
    // A text ends at its first NUL, like the C strings GDI measures.
    for (char32_t c : language::WideToCodePoints(text.substr(0, text.find(L'\0')))) {
      if (const int* known = advances.Find(c)) {
        width += *known;
        continue;
      }
      if (face.pixel_height != pixel_height) {
        if (FT_Set_Pixel_Sizes(face.face, 0, static_cast<FT_UInt>(pixel_height)) != 0) {
          face.pixel_height = 0;
          return std::nullopt;
        }
        face.pixel_height = pixel_height;
      }
      int advance = 0;
      if (FT_Load_Char(face.face, c, FT_LOAD_DEFAULT) == 0) {
        advance = static_cast<int>((static_cast<long long>(face.face->glyph->advance.x) + 32) >> 6);
      }
      advances.Store(c, advance);
      width += advance;
    }
    return static_cast<int>(std::clamp<long long>(width, INT_MIN, INT_MAX));
  }

  OpenFace* FaceFor(const FontRequest& font) {
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
        matches_.try_emplace(std::make_pair(font.face, font.weight), nullptr);
    if (!inserted) return matched->second;
    const std::optional<FontFile> file = MatchFontFile(font);
    if (!file) return nullptr;
    auto key = std::make_pair(file->path, file->index);
    auto found = faces_.find(key);
    if (found == faces_.end()) {
      FT_Face face = nullptr;
      if (FT_New_Face(library_, file->path.c_str(), file->index, &face) != 0) face = nullptr;
      // A file that failed stays failed.
      found = faces_.emplace(std::move(key), OpenFace{face, 0, {}}).first;
    }
    OpenFace* open = found->second.face != nullptr ? &found->second : nullptr;
    matched->second = open;
    return open;
  }

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  bool library_failed_ = false;
  // By face name and weight; null for a font that cannot be matched or opened.
  std::map<std::pair<std::wstring, int>, OpenFace*> matches_;
  std::map<std::pair<std::string, int>, OpenFace> faces_;  // by file, index
};

}  // namespace

FaceCache& Cache() {
  static FaceCache cache;
  return cache;
}

std::vector<int> MeasureWithFreeType(const FontRequest& font, int log_pixels_y,
                                     std::span<const std::wstring_view> texts) {
  return Cache().Measure(font, log_pixels_y, texts);
}

int LineHeightWithFreeType(const FontRequest& font, int log_pixels_y) {
  return Cache().LineHeight(font, log_pixels_y);
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
