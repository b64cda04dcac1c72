#include "render/text_layout.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <optional>
#include <tuple>

#include "language/utf8.h"
#include "render/cairo_library.h"
#include "screen/font_match.h"

namespace ctrlelem_tool::render {
namespace {

class FontCache {
 public:
  Font Open(const screen::FontRequest& request, int log_pixels_y) {
    const int pixel_size = screen::MulDiv(request.point_size, log_pixels_y, 72);
    Font font;
    font.pixel_size = pixel_size;
    if (pixel_size <= 0) return font;
    if (library_ == nullptr && FT_Init_FreeType(&library_) != 0) return font;
    auto [found, inserted] = faces_.try_emplace({request.face, request.weight}, Face{});
    Face& face = found->second;
    if (inserted) {
      const std::optional<screen::FontFile> file = screen::MatchFontFile(request);
      // Two faces of the one file: cairo changes the size and transform of
      // the face it draws with whenever it likes, so the advances are read
      // from a face of our own.
      FT_Face drawn = nullptr;
      if (file && FT_New_Face(library_, file->path.c_str(), file->index, &face.ft) == 0 &&
          FT_New_Face(library_, file->path.c_str(), file->index, &drawn) == 0) {
        face.cairo = Cairo().cairo_ft_font_face_create_for_ft_face(drawn, FT_LOAD_DEFAULT);
      } else {
        face.ft = nullptr;
      }
    }
    if (face.ft == nullptr) return font;
    font.cairo_face = face.cairo;
    font.ft_face = face.ft;
    if (FT_Set_Pixel_Sizes(face.ft, 0, static_cast<FT_UInt>(pixel_size)) == 0) {
      font.ascent = static_cast<int>((face.ft->size->metrics.ascender + 63) >> 6);
      font.line_height = static_cast<int>((face.ft->size->metrics.height + 63) >> 6);
    }
    return font;
  }

 private:
  struct Face {
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
  };
  FT_Library library_ = nullptr;
  std::map<std::pair<std::wstring, int>, Face> faces_;
};

GlyphLine Shape(const Font& font, std::wstring_view text, std::optional<std::size_t> mnemonic) {
  GlyphLine line;
  auto* face = static_cast<FT_Face>(font.ft_face);
  if (face == nullptr || font.pixel_size <= 0) return line;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(font.pixel_size));
  text = text.substr(0, text.find(L'\0'));
  // Advances exactly as the screen layer measures them: hinted, rounded to
  // whole pixels, no kerning; a character whose glyph fails to load takes no
  // room.
  std::size_t index = 0;
  for (char32_t c : language::WideToCodePoints(text)) {
    const bool is_mnemonic = mnemonic && *mnemonic == index;
    index += c > 0xFFFF ? 2 : 1;
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) != 0) continue;
    const int advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    if (is_mnemonic) {
      line.mnemonic_x = line.width;
      line.mnemonic_width = advance;
    }
    line.glyphs.push_back({FT_Get_Char_Index(face, c), static_cast<double>(line.width), 0.0});
    line.width += advance;
  }
  return line;
}

}  // namespace

Font OpenFont(const screen::FontRequest& request, int log_pixels_y) {
  static FontCache cache;
  return cache.Open(request, log_pixels_y);
}

GlyphLine ShapeLine(const Font& font, std::wstring_view text,
                    std::optional<std::size_t> access_key) {
  return Shape(font, text, access_key);
}

}  // namespace ctrlelem_tool::render
