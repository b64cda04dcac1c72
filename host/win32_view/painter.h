// What the host draws itself, element by element from the layout model: fills,
// pictures, texts, push-button faces, check squares, information bars, the HTML
// view's labelled box and menus. Boxes come from the layout only; the painter
// shifts them by the origin it is given (the window's client area, or a
// button's own corner) and never places anything itself.
#pragma once

#include <windows.h>

#include "ctrlelem_pack/host.h"
#include "fonts.h"
#include "pictures.h"

namespace ctrlelem_view {

class Painter {
 public:
  // origin_x/origin_y: where the layout's (0, 0) lies in the DC.
  Painter(HDC dc, FontCache& fonts, PictureStore& pictures, int check_box, int origin_x,
          int origin_y)
      : dc_(dc),
        fonts_(fonts),
        pictures_(pictures),
        check_box_(check_box),
        origin_x_(origin_x),
        origin_y_(origin_y) {}

  // Draws one element as laid out (not its children: they are elements of
  // their own). `state` is the look a button is drawn in.
  void Paint(const ctrlelem::layout::Element& element, ctrlelem::layout::ButtonState state);
  // The caption bar's text and the like: a text in a box, one line.
  void Label(const ctrlelem::layout::Box& box, const std::wstring& text, COLORREF colour);

  RECT ToRect(const ctrlelem::layout::Box& box) const;

 private:
  void Fill(const ctrlelem::layout::Box& box, COLORREF colour);
  void Stroke(const ctrlelem::layout::Box& box, COLORREF colour, bool dashed);
  void Line(int x1, int y1, int x2, int y2, COLORREF colour);
  void Image(std::uint32_t number, const ctrlelem::layout::Box& box);
  void Text(const ctrlelem::layout::Element& element, const COLORREF* forced);
  void Lines(const ctrlelem::layout::TextLayout& text, const ctrlelem::layout::Font& font,
             const ctrlelem::layout::Box& box, const ctrlelem::layout::Box& clip, COLORREF colour);
  void Button(const ctrlelem::layout::Element& button, ctrlelem::layout::ButtonState state);
  void Runs(const ctrlelem::layout::Element& element);
  void MenuItem(const ctrlelem::layout::Element& item);
  void Outline(const ctrlelem::layout::Element& element);

  HDC dc_;
  FontCache& fonts_;
  PictureStore& pictures_;
  int check_box_;
  int origin_x_;
  int origin_y_;
};

}  // namespace ctrlelem_view
