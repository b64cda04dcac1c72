// Text laid out for drawing: the font file the screen layer measures with, the
// same hinted advances, and DrawText's format rules (alignment, word breaks,
// end ellipsis, & prefixes). A line's width is exactly the width the library
// measured for the same string and font.
#pragma once

#include <cairo.h>

#include <cstdint>
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
// the measurement takes them. A text ends at its first NUL.
GlyphLine ShapeLine(const Font& font, std::wstring_view text);

// DrawText format bits the layout follows.
struct TextFormat {
  bool centre = false;
  bool right = false;
  bool vcentre = false;  // honoured with single_line only, as DrawText does
  bool word_break = false;
  bool single_line = false;
  bool end_ellipsis = false;
  bool prefix = true;  // '&' marks a mnemonic, "&&" is one '&'
};
TextFormat FormatFromBits(std::uint32_t bits);

struct PlacedLine {
  GlyphLine line;
  int x = 0;         // left of the line in the text's rectangle
  int baseline = 0;  // from the rectangle's top
};

struct TextLayout {
  std::vector<PlacedLine> lines;
  // Width and height the whole text needs without ellipsis or clipping (the
  // longest line, the lines' total height) and whether it fits the rectangle.
  int needed_width = 0;
  int needed_height = 0;
  bool overflows = false;
};

TextLayout LayOutText(const Font& font, std::wstring_view text, int width, int height,
                      const TextFormat& format);

}  // namespace ctrlelem_tool::render
