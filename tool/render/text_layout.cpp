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

constexpr std::wstring_view kEllipsis = L"...";

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

// The text a prefix-processed string shows, and the index of its mnemonic.
std::pair<std::wstring, std::optional<std::size_t>> StripPrefix(std::wstring_view text) {
  std::wstring shown;
  std::optional<std::size_t> mnemonic;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != L'&' && !mnemonic) mnemonic = shown.size();
    }
    shown += text[i];
  }
  return {shown, mnemonic};
}

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

// Splits at line feeds (a CR before one is dropped).
std::vector<std::wstring> HardLines(const std::wstring& text) {
  std::vector<std::wstring> lines(1);
  for (wchar_t c : text) {
    if (c == L'\n') {
      if (!lines.back().empty() && lines.back().back() == L'\r') lines.back().pop_back();
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

// Greedy word wrap at spaces: a word wider than the width stands alone.
std::vector<std::wstring> Wrap(const Font& font, const std::wstring& text, int width) {
  std::vector<std::wstring> lines;
  std::wstring current;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find(L' ', pos);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring word = text.substr(pos, end - pos);
    const std::wstring candidate = current.empty() ? word : current + L' ' + word;
    if (!current.empty() && Shape(font, candidate, std::nullopt).width > width) {
      lines.push_back(current);
      current = word;
    } else {
      current = candidate;
    }
    pos = end + 1;
  }
  lines.push_back(current);
  return lines;
}

}  // namespace

Font OpenFont(const screen::FontRequest& request, int log_pixels_y) {
  static FontCache cache;
  return cache.Open(request, log_pixels_y);
}

GlyphLine ShapeLine(const Font& font, std::wstring_view text) {
  return Shape(font, text, std::nullopt);
}

TextFormat FormatFromBits(std::uint32_t bits) {
  TextFormat format;
  format.centre = (bits & 0x1) != 0;
  format.right = (bits & 0x2) != 0;
  format.vcentre = (bits & 0x4) != 0;
  format.word_break = (bits & 0x10) != 0;
  format.single_line = (bits & 0x20) != 0;
  format.end_ellipsis = (bits & 0x8000) != 0;
  return format;
}

TextLayout LayOutText(const Font& font, std::wstring_view text, int width, int height,
                      const TextFormat& format) {
  TextLayout layout;
  auto [shown, mnemonic] = StripPrefix(format.prefix ? text : std::wstring_view{});
  if (!format.prefix) shown = text;
  std::vector<std::wstring> lines;
  if (format.single_line) {
    lines.push_back(shown);
  } else {
    for (const std::wstring& hard : HardLines(shown)) {
      if (format.word_break) {
        for (std::wstring& wrapped : Wrap(font, hard, width)) lines.push_back(std::move(wrapped));
      } else {
        lines.push_back(hard);
      }
    }
  }
  const int line_height = std::max(font.line_height, 1);
  layout.needed_height = line_height * static_cast<int>(lines.size());
  // The mnemonic lies on the first line when nothing was wrapped before it.
  const bool keep_mnemonic = lines.size() == 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    GlyphLine line = Shape(font, lines[i], keep_mnemonic ? mnemonic : std::nullopt);
    layout.needed_width = std::max(layout.needed_width, line.width);
    if (format.end_ellipsis && line.width > width) {
      std::wstring cut = lines[i];
      while (!cut.empty()) {
        cut.pop_back();
        line = Shape(font, cut + std::wstring(kEllipsis), std::nullopt);
        if (line.width <= width) break;
      }
    }
    PlacedLine placed{std::move(line), 0, 0};
    if (format.centre) {
      placed.x = (width - placed.line.width) / 2;
    } else if (format.right) {
      placed.x = width - placed.line.width;
    }
    layout.lines.push_back(std::move(placed));
  }
  int top = 0;
  if (format.single_line && format.vcentre) top = (height - line_height) / 2;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    layout.lines[i].baseline = top + static_cast<int>(i) * line_height + font.ascent;
  }
  // A text without word breaks is clipped at its rectangle's sides; a wrapped
  // one also at its bottom.
  layout.overflows = layout.needed_width > width ||
                     (format.word_break && !format.single_line && layout.needed_height > height);
  return layout;
}

}  // namespace ctrlelem_tool::render
