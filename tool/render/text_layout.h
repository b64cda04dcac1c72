// Text shaped for drawing: the font file the screen layer measures with and the
// same hinted advances, so a line's width is exactly the width the layout model
// measured for it. Where lines break and stand is the layout model's.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "screen/screen.h"

namespace ctrlelem_tool::render {

// An open font: FreeType face and the cairo face drawn with. Lives for the
// process; null members when no font file could be opened.
struct Font {
  cairo_font_face_t* cairo_face = nullptr;
  void* ft_face = nullptr;  // FT_Face
  int pixel_size = 0;       // the em height in device pixels
  int ascent = 0;
  int line_height = 0;
};

// The font for a face, point size and weight at the given resolution.
Font OpenFont(const screen::FontRequest& request, int log_pixels_y);

// One line of glyphs, positioned from x = 0 on the baseline.
struct GlyphLine {
  std::vector<cairo_glyph_t> glyphs;
  int width = 0;
  // The mnemonic's extent (an underlined character after '&'); width 0 if none.
  int mnemonic_x = 0;
  int mnemonic_width = 0;
};

// The line of a text without any format: one glyph per character, advances as
// the measurement takes them, the character at `access_key` (an index into
// the text) marked for underlining. A text ends at its first NUL.
GlyphLine ShapeLine(const Font& font, std::wstring_view text,
                    std::optional<std::size_t> access_key = std::nullopt);

}  // namespace ctrlelem_tool::render
