// Canvases that draw with cairo (PNG and PDF) and one that writes SVG with a
// group per element (glyph outlines from cairo, so the text is the same).
#pragma once

#include <cairo.h>

#include <map>
#include <sstream>
#include <string>

#include "render/canvas.h"
#include "render/pictures.h"

namespace ctrlelem_tool::render {

class CairoCanvas : public Canvas {
 public:
  explicit CairoCanvas(cairo_t* cr) : cr_(cr) {}
  void BeginElement(const ElementInfo&) override {}
  void EndElement() override {}
  void FillRect(const Box& box, Colour colour) override;
  void StrokeRect(const Box& box, Colour colour, int width, bool dashed) override;
  void Line(int x0, int y0, int x1, int y1, Colour colour) override;
  void Glyphs(const Font& font, const GlyphLine& line, int x, int baseline, Colour colour,
              const Box& clip) override;
  bool Picture(const Box& box, const std::string& png_path) override;

 private:
  cairo_t* cr_;
};

// Writes an SVG document of the given size. Every element is a <g> carrying
// data-element-path, data-kind and data-element-id whose first child is a
// <rect class="box"> at the element's placement, drawn with neither fill nor
// stroke (a page's style sheet may show it), followed by a <title> with its
// hints where it has any. The document's own ids (its clip
// paths) begin with `id_prefix`.
class SvgCanvas : public Canvas {
 public:
  SvgCanvas(int width, int height, std::string id_prefix = "c");
  ~SvgCanvas() override;
  void BeginElement(const ElementInfo& element) override;
  void EndElement() override;
  void FillRect(const Box& box, Colour colour) override;
  void StrokeRect(const Box& box, Colour colour, int width, bool dashed) override;
  void Line(int x0, int y0, int x1, int y1, Colour colour) override;
  void Glyphs(const Font& font, const GlyphLine& line, int x, int baseline, Colour colour,
              const Box& clip) override;
  bool Picture(const Box& box, const std::string& png_path) override;

  // The finished document (the open groups closed).
  std::string Finish();

 private:
  std::ostringstream out_;
  int open_groups_ = 0;
  std::string id_prefix_;
  std::map<const PictureFile*, std::string> picture_symbols_;  // the symbol id of each
  int next_clip_ = 0;
  cairo_surface_t* scratch_surface_;
  cairo_t* scratch_;  // turns glyphs into outlines
};

// "#RRGGBB" for a COLORREF.
std::string CssColour(Colour colour);
// Text escaped for XML attribute values and content.
std::string XmlEscape(std::string_view text);

}  // namespace ctrlelem_tool::render
