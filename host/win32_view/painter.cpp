#include "painter.h"

#include <array>
#include <string_view>

namespace ctrlelem_view {
namespace {

namespace layout = ctrlelem::layout;
namespace schema = ctrlelem::schema;

// The colour key: a text background the host treats as transparent.
constexpr std::uint32_t kColourKey = 0xFF00FF;
// Font style bit of a button's fourth-state caption, drawn greyed.
constexpr std::uint32_t kFontStyleFourth = 0x8;
// Format bits of the host's own labels: one line, vertically centred.
constexpr std::uint32_t kSingleLine = 0x20;
// Picture numbers with this bit select a picture's fourth-state look.
constexpr std::uint32_t kFourthStateImage = 0x10000;
// Menu item flags as stored (MF_GRAYED, MF_DISABLED, MF_CHECKED).
constexpr std::uint32_t kMenuGreyed = 0x1 | 0x2;
constexpr std::uint32_t kMenuChecked = 0x8;

constexpr COLORREF kFieldFace = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kAreaBorder = RGB(0xB4, 0xB4, 0xB4);
constexpr COLORREF kPictureFace = RGB(0x4A, 0x4A, 0x4A);
constexpr COLORREF kPictureLabel = RGB(0xDD, 0xDD, 0xDD);
constexpr COLORREF kPlaceholderLabel = RGB(0x30, 0x30, 0x30);
constexpr COLORREF kGreyText = RGB(0x84, 0x84, 0x84);
constexpr COLORREF kMenuFace = RGB(0xF2, 0xF2, 0xF2);
constexpr COLORREF kMenuBorder = RGB(0x97, 0x97, 0x97);
constexpr COLORREF kSeparator = RGB(0xD7, 0xD7, 0xD7);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kLabelPoints = 7;
constexpr int kMenuPictureSide = 16;

// Push buttons by state: face, border and caption colours.
struct ButtonColours {
  COLORREF face;
  COLORREF border;
  COLORREF text;
};
constexpr std::array<ButtonColours, layout::kButtonStateCount> kButtonColours = {{
    {RGB(0xE1, 0xE1, 0xE1), RGB(0xAD, 0xAD, 0xAD), RGB(0, 0, 0)},           // normal
    {RGB(0xE5, 0xF1, 0xFB), RGB(0x00, 0x78, 0xD7), RGB(0, 0, 0)},           // hover
    {RGB(0xCC, 0xE4, 0xF7), RGB(0x00, 0x54, 0x99), RGB(0, 0, 0)},           // pressed
    {RGB(0xCC, 0xCC, 0xCC), RGB(0xBF, 0xBF, 0xBF), RGB(0x83, 0x83, 0x83)},  // disabled
    {RGB(0xCC, 0xE4, 0xF7), RGB(0x00, 0x54, 0x99), RGB(0, 0, 0)},           // checked
}};

// A description's colours are COLORREF values already.
COLORREF Colour(std::uint32_t value) { return static_cast<COLORREF>(value & 0xFFFFFF); }

layout::Box Inset(const layout::Box& box, int by) {
  return {box.x + by, box.y + by, box.width - 2 * by, box.height - 2 * by};
}

// The label font of the host's own notes (placeholders, outlines).
layout::Font LabelFont() {
  layout::Font font;
  font.face = L"Tahoma";
  font.point_size = kLabelPoints;
  return font;
}

}  // namespace

RECT Painter::ToRect(const layout::Box& box) const {
  return {origin_x_ + box.x, origin_y_ + box.y, origin_x_ + box.right(), origin_y_ + box.bottom()};
}

void Painter::Fill(const layout::Box& box, COLORREF colour) {
  if (box.empty()) return;
  const RECT rect = ToRect(box);
  SetDCBrushColor(dc_, colour);
  FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Painter::Stroke(const layout::Box& box, COLORREF colour, bool dashed) {
  if (box.empty()) return;
  const RECT rect = ToRect(box);
  HPEN pen = CreatePen(dashed ? PS_DOT : PS_SOLID, 1, colour);
  HGDIOBJ old_pen = SelectObject(dc_, pen);
  HGDIOBJ old_brush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
  Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc_, old_brush);
  SelectObject(dc_, old_pen);
  DeleteObject(pen);
}

void Painter::Line(int x1, int y1, int x2, int y2, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc_, pen);
  MoveToEx(dc_, origin_x_ + x1, origin_y_ + y1, nullptr);
  LineTo(dc_, origin_x_ + x2, origin_y_ + y2);
  SelectObject(dc_, old);
  DeleteObject(pen);
}

void Painter::Label(const layout::Box& box, const std::wstring& text, COLORREF colour) {
  FontCache& fonts = fonts_;
  GdiMeasurer measurer(fonts);
  const layout::Font font = LabelFont();
  const layout::Box inner = Inset(box, 1);
  const layout::TextLayout laid_out =
      layout::LayOutText(text, font, kSingleLine, inner.width, inner.height, measurer);
  // A label that does not fit is left out, never cut ("#5030" must not read "#503").
  if (!laid_out.fits_width || !laid_out.fits_height) return;
  Lines(laid_out, font, inner, inner, colour);
}

void Painter::Image(std::uint32_t number, const layout::Box& box) {
  if (box.empty()) return;
  if (pictures_.Draw(dc_, number, ToRect(box))) return;
  Fill(box, PlaceholderColour(number, false));
  Stroke(box, PlaceholderColour(number, true), true);
  std::wstring label = L"#" + std::to_wstring(number & ~kFourthStateImage);
  if ((number & kFourthStateImage) != 0) label += L"'";
  Label(box, label, kPlaceholderLabel);
}

void Painter::Lines(const layout::TextLayout& text, const layout::Font& font,
                    const layout::Box& box, const layout::Box& clip, COLORREF colour) {
  if (clip.empty()) return;
  HFONT hfont = fonts_.Get(font);
  if (!hfont) return;
  const int saved = SaveDC(dc_);
  const RECT clip_rect = ToRect(clip);
  IntersectClipRect(dc_, clip_rect.left, clip_rect.top, clip_rect.right, clip_rect.bottom);
  SelectObject(dc_, hfont);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, colour);
  SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  for (const layout::TextLine& line : text.lines) {
    const int x = origin_x_ + box.x + line.x;
    const int y = origin_y_ + box.y + line.y;
    TextOutW(dc_, x, y, line.text.c_str(), static_cast<int>(line.text.size()));
    if (!line.access_key || *line.access_key >= line.text.size()) continue;
    // The access key's underline, under its one character.
    SIZE before{}, through{};
    const int key = static_cast<int>(*line.access_key);
    GetTextExtentPoint32W(dc_, line.text.c_str(), key, &before);
    GetTextExtentPoint32W(dc_, line.text.c_str(), key + 1, &through);
    const RECT underline{x + before.cx, y + metrics.tmAscent + 1, x + through.cx,
                         y + metrics.tmAscent + 2};
    SetDCBrushColor(dc_, colour);
    FillRect(dc_, &underline, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  RestoreDC(dc_, saved);
}

void Painter::Text(const layout::Element& element, const COLORREF* forced) {
  if (!element.text) return;
  const layout::ElementText& text = *element.text;
  COLORREF colour = Colour(text.colour);
  if ((text.style & kFontStyleFourth) != 0) colour = kGreyText;
  if (forced) colour = *forced;
  Lines(text.layout, text.font, text.box, layout::Intersect(text.box, element.clip), colour);
}

void Painter::Button(const layout::Element& button, layout::ButtonState state) {
  const ButtonColours& look = kButtonColours[static_cast<std::size_t>(state)];
  const bool disabled = state == layout::ButtonState::disabled;
  const COLORREF* forced = disabled ? &look.text : nullptr;
  switch (button.look) {
    case layout::ButtonLook::push:
      Fill(button.box, look.face);
      Stroke(button.box, look.border, false);
      break;
    case layout::ButtonLook::check_box: {
      const layout::Box square{button.box.x, button.box.y + (button.box.height - check_box_) / 2,
                               check_box_, check_box_};
      Fill(square, kFieldFace);
      Stroke(square, state == layout::ButtonState::normal ? RGB(0x33, 0x33, 0x33) : look.border,
             false);
      if (state == layout::ButtonState::checked || state == layout::ButtonState::pressed) {
        const int c = check_box_;
        Line(square.x + 2, square.y + c / 2, square.x + c / 2 - 1, square.y + c - 4, kBlack);
        Line(square.x + c / 2 - 1, square.y + c - 4, square.x + c - 3, square.y + 2, kBlack);
      }
      break;
    }
    default:
      break;
  }
  // Text-shaped buttons carry their caption; the others' captions are elements.
  if (button.text) Text(button, forced);
}

void Painter::Runs(const layout::Element& element) {
  const layout::ElementText& text = *element.text;
  if (text.layout.lines.empty()) return;
  layout::Font link = text.font;
  link.underline = true;
  const layout::Box clip = layout::Intersect(text.box, element.clip);
  for (const layout::TextRun& run : element.runs) {
    layout::TextLayout one;
    one.lines.push_back({run.text, run.x, text.layout.lines.front().y, run.width, std::nullopt});
    Lines(one, run.link ? link : text.font, text.box, clip,
          run.link ? Colour(text.colour) : kBlack);
  }
}

void Painter::MenuItem(const layout::Element& item) {
  const layout::Box& row = item.box;
  if (item.separator) {
    Line(row.x + 2, row.y + row.height / 2, row.right() - 3, row.y + row.height / 2, kSeparator);
    return;
  }
  if (!item.text) return;
  const bool greyed = (item.menu_flags & kMenuGreyed) != 0;
  const layout::Box picture{row.x + 4, row.y + 2, kMenuPictureSide, kMenuPictureSide};
  if (item.part == layout::Part::menu_item && item.image) {
    Image(*item.image, picture);
  } else if (item.part == layout::Part::menu_item && (item.menu_flags & kMenuChecked) != 0) {
    Line(picture.x + 3, picture.y + 8, picture.x + 6, picture.y + 11, kBlack);
    Line(picture.x + 6, picture.y + 11, picture.x + 12, picture.y + 4, kBlack);
  }
  Text(item, greyed ? &kGreyText : nullptr);
  if (item.submenu && item.part == layout::Part::menu_item) {
    const int ax = row.right() - 12;
    const int ay = row.y + row.height / 2;
    Line(ax, ay - 3, ax + 3, ay, kBlack);
    Line(ax + 3, ay, ax, ay + 3, kBlack);
  }
}

void Painter::Outline(const layout::Element& element) {
  Stroke(element.clip, kAreaBorder, true);
  const std::string_view name = schema::KindName(element.kind);  // ASCII
  Label(Inset(element.clip, 1),
        std::wstring(name.begin(), name.end()) + L" " + std::to_wstring(element.id), kGreyText);
}

void Painter::Paint(const layout::Element& element, layout::ButtonState state) {
  // A fill in the colour key is no fill: what lies below shows through.
  if (element.fill && *element.fill != kColourKey) Fill(element.clip, Colour(*element.fill));
  if (element.depth == 0 && element.kind == schema::kMenu) {
    Fill(element.box, kMenuFace);
    return;
  }
  switch (element.part) {
    case layout::Part::popup:
      Fill(element.box, kMenuFace);
      Stroke(element.box, kMenuBorder, false);
      return;
    case layout::Part::menu_bar_item:
    case layout::Part::menu_item:
      MenuItem(element);
      return;
    case layout::Part::info_text:
      if (!element.alternate) Runs(element);
      return;
    case layout::Part::element:
      break;
  }
  switch (element.kind) {
    case schema::kImage:
      if (element.image) Image(*element.image, element.clip);
      break;
    case schema::kText:
      Text(element, nullptr);
      break;
    case schema::kButton:
      Button(element, state);
      break;
    case schema::kCaptionedField:
      // The label; the field below it is an EDIT control.
      Text(element, nullptr);
      break;
    case schema::kPictureFrame:
      Fill(element.clip, kPictureFace);
      Label(element.clip, L"picture " + std::to_wstring(element.id), kPictureLabel);
      break;
    case schema::kHtmlView:
      // Its background colour is the element's fill, painted above.
      Stroke(element.clip, kAreaBorder, true);
      Label(element.clip, L"HTML view " + std::to_wstring(element.id), kPlaceholderLabel);
      break;
    case schema::kStyledArea:
    case schema::kStringArea:
    case schema::kFramedArea:
    case schema::kPlainArea:
    case schema::kImageSetArea:
    case schema::kPlainFrame:
    case schema::kPaneWindow:
    case schema::kStripWindow:
    case schema::kSplitView:
      Outline(element);
      break;
    default:
      // Fields are EDIT controls of their own; the others draw nothing.
      break;
  }
}

}  // namespace ctrlelem_view
