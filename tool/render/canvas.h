// What the renderer draws on: a few primitives in device pixels, and the
// brackets around each element so that a format that keeps structure (SVG)
// can group what one element draws.
#pragma once

#include <cstdint>
#include <string>

#include "render/text_layout.h"

namespace ctrlelem_tool::render {

// A COLORREF (0x00BBGGRR), as the descriptions store colours.
using Colour = std::uint32_t;

struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The element a group of drawing belongs to.
struct ElementInfo {
  std::string path;  // as the checker prints it: "1 > key 10 > child 16"
  int kind = 0;      // 0 for a packet without kind (menu items, submenus)
  std::uint32_t id = 0;
  Box box;            // where PlaceChild put it, in image coordinates
  std::wstring text;  // the text it shows, if any
  // Its hints as a host shows them, one per line: "title: text", a button's
  // second hint after "checked: ", a field's warning balloon after "warning: ".
  std::wstring hints;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void BeginElement(const ElementInfo& element) = 0;
  virtual void EndElement() = 0;
  virtual void FillRect(const Box& box, Colour colour) = 0;
  // A frame of the given width inside the box; dashed for placeholders.
  virtual void StrokeRect(const Box& box, Colour colour, int width, bool dashed) = 0;
  virtual void Line(int x0, int y0, int x1, int y1, Colour colour) = 0;
  // A line of glyphs from (x, baseline), clipped to `clip`.
  virtual void Glyphs(const Font& font, const GlyphLine& line, int x, int baseline, Colour colour,
                      const Box& clip) = 0;
  // A PNG file stretched over the box; false when it cannot be read.
  virtual bool Picture(const Box& box, const std::string& png_path) = 0;
};

}  // namespace ctrlelem_tool::render
