// The button-strip window (element id 14): a strip of five navigation buttons
// that grow with their labels, a separator and an address field after them,
// and a page below with a frame, two notices and an HTML view.
#include <array>

#include "schema/writers.h"
#include "text/fitted_geometry.h"
#include "text/measure.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem {
namespace {

using schema::Children;
using schema::Str;

struct StripButton {
  std::uint32_t id;
  int label;
  std::uint32_t icon_id;
  std::uint32_t icon;
  std::uint32_t hover_icon_id;    // the second icon in state 2
  std::uint32_t pressed_icon_id;  // the second icon in state 3
  std::uint32_t second_icon;
  RECT icon_rect;
};

constexpr StripButton kStrip[] = {
    {1015, 601, 171, 621, 172, 172, 622, {0, 2, 32, 24}},
    {1016, 602, 173, 623, 174, 174, 624, {0, 2, 24, 24}},
    {1017, 603, 175, 625, 176, 176, 626, {0, 2, 24, 24}},
    // The pressed icon keeps the id 176 of the previous button's second icon.
    {1018, 604, 177, 627, 178, 176, 628, {0, 2, 40, 32}},
    {1019, 605, 179, 629, 180, 180, 630, {0, 2, 32, 32}},
};

// A three-slice background of states 2 and 3, 48 high: left edge, stretched
// middle, right edge.
struct Slice {
  std::uint32_t id;
  std::uint32_t image;
};
std::array<__packet, 3> Slices(Slice left, Slice middle, Slice right) {
  return {schema::Image(left.id, left.image, kAnchorTopLeft, {0, 0, 3, 48}),
          schema::Image(middle.id, middle.image, kAnchorAlongTop, {3, 0, 3, 48}),
          schema::Image(right.id, right.image, kAnchorTopRight, {3, 0, 3, 48})};
}

__packet StripButtonElement(const StripButton& button, RECT rect, RECT label_rect) {
  schema::TextElement label{.text = Str(button.label),
                            .format = schema::kFormatCentredLine,
                            .anchor = kAnchorCentredBottom,
                            .rect = label_rect};
  const __packet caption = schema::Text(label);
  label.style = schema::kFontStyleFourth;
  const __packet fourth_caption = schema::Text(label);

  const auto icon = [&button](std::uint32_t id, std::uint32_t image) {
    return schema::Image(id, image, kAnchorCentredTop, button.icon_rect);
  };
  const __packet plain[] = {icon(button.icon_id, button.icon)};
  const auto hover_slices = Slices({152, 633}, {150, 631}, {154, 635});
  const auto pressed_slices = Slices({153, 634}, {151, 632}, {155, 636});
  const __packet hover[] = {hover_slices[0], hover_slices[1], hover_slices[2],
                            icon(button.hover_icon_id, button.second_icon)};
  const __packet pressed[] = {pressed_slices[0], pressed_slices[1], pressed_slices[2],
                              icon(button.pressed_icon_id, button.second_icon)};
  const __packet fourth[] = {icon(button.icon_id, button.icon + schema::kFourthStateImage)};

  return schema::StateGroupButton(
      {.id = button.id,
       .style = schema::kButtonPicture,
       .anchor = kAnchorTopLeft,
       .rect = rect,
       .states = {schema::CaptionedLayers(caption, plain), schema::CaptionedLayers(caption, hover),
                  schema::CaptionedLayers(caption, pressed),
                  schema::CaptionedLayers(fourth_caption, fourth)}});
}

// The strip: the five buttons, then the separator and the address field.
void AddStrip(Children& children) {
  std::array<int, std::size(kStrip)> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = MeasureStringWidth(kStrip[i].label, 9, kFontNormal);
  }
  const ButtonRow row = GrowingButtonRow(widths);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    children.Add(StripButtonElement(kStrip[i], row.buttons[i], row.labels[i]));
  }
  // After the last button (which ends at S + 22) and 4 pixels apart.
  children.Add(schema::Image(101, 617, kAnchorTopLeft, {row.total + 26, 0, 2, 52}));
  children.Add(schema::StringField(7002, 0, kAnchorTopLeft, {row.total + 32, 16, 250, 20}));
}

__packet Notice(std::uint32_t id, int text, int width) {
  return schema::Text({.id = id,
                       .text = Str(text),
                       .size = 10,
                       .format = schema::kFormatCentre,
                       .anchor = kAnchorCentred,
                       .rect = {0, 60, width, 20}});
}

}  // namespace

__packet secondary::ButtonStripWindow14(ElementId id) {
  Children children;
  children.Add(secondary::WhiteFill());
  children.Add(schema::Image(100, 616, kAnchorAlongTop, {0, 0, 0, 52}));
  children.Add(schema::Image(104, 620, kAnchorAlongBottom, {0, 8, 0, 8}));
  AddStrip(children);
  children.Add(schema::PictureFrame(7001, 105, kAnchorCentred, {0, 0, 70, 70}));
  children.Add(Notice(255, 638, 760));
  children.Add(Notice(267, 678, 400));
  children.Add(schema::HtmlView(7003, kAnchorFill, {2, 52, 2, 8}, L"", schema::kWhite));

  return schema::WindowDescription({.id = id,
                                    .caption = Str(600),
                                    .style = 4,
                                    .flags = schema::kWindowPlain,
                                    .min_size = SIZE{0, 0},
                                    .max_size = SIZE{800, 600},
                                    .initial_size = SIZE{800, 600},
                                    // A fixed value, not the number of children.
                                    .top_key = 255},
                                   children);
}

}  // namespace ctrlelem
