// The frame-sized window (element id 4): the user's own video in a frame, with
// status texts, two link buttons placed by the widths of their labels, a small
// pane with two picture buttons and an information bar. Its sizes are client
// sizes grown by the system's sizing frame and caption.
#include <array>
#include <string>

#include "schema/writers.h"
#include "screen/screen.h"
#include "text/fitted_geometry.h"
#include "text/measure.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem {
namespace {

using schema::Children;
using schema::Str;
using schema::TextElement;
using secondary::StringRef;

// The outer size of a window whose client area is `client`: the sizing frame
// on every side and the caption on top. The metrics are read afresh for every
// size, vertical frame first, then caption, then horizontal frame.
SIZE OuterSize(SIZE client) {
  screen::Screen& screen = screen::Current();
  const int frame_y = screen.SystemMetric(screen::Metric::cyframe);
  const int caption = screen.SystemMetric(screen::Metric::cycaption);
  const int frame_x = screen.SystemMetric(screen::Metric::cxframe);
  return {2 * frame_x + client.cx, caption + 2 * frame_y + client.cy};
}

// A black status text.
struct LabelRow {
  std::uint32_t id;
  int text;
  std::uint32_t style;
  std::uint32_t format;
  std::uint32_t anchor;
  RECT rect;
};

__packet LabelOf(const LabelRow& row) {
  return schema::Text({.id = row.id,
                       .text = Str(row.text),
                       .style = row.style,
                       .format = row.format,
                       .anchor = row.anchor,
                       .rect = row.rect});
}

constexpr std::uint32_t kCentredText = schema::kFormatCentre | schema::kFormatVCentre;

constexpr LabelRow kCameraLabels[] = {
    {251, 436, 0, schema::kFormatCentre, kAnchorCentred, {0, 50, 120, 16}},
    {252, 437, schema::kFontStyleLabel, kCentredText, kAnchorCentredTop, {15, 30, 120, 40}},
    {253, 438, 0, schema::kFormatCentre, kAnchorCentred, {0, 0, 176, 16}},
    {254, 439, 0, schema::kFormatRight, kAnchorCentred, {-40, 21, 80, 16}},
};

constexpr LabelRow kNotVisibleLabel{256, 444, 0, kCentredText, kAnchorCentred, {0, -25, 176, 26}};

// A text link: blue, red while hovered or pressed, marked when disabled.
__packet LinkButton(std::uint32_t id, RECT rect, StringRef hint, TextElement caption) {
  caption.colour = schema::kBlue;
  caption.style = schema::kFontStyleLink;
  const __packet normal = schema::Text(caption);
  caption.colour = schema::kRed;
  const schema::StateGroup active = schema::CaptionWithoutLayers(schema::Text(caption));
  caption.style = schema::kFontStyleFourth;
  return schema::StateGroupButton(
      {.id = id,
       .style = schema::kButtonLink,
       .anchor = kAnchorCentred,
       .rect = rect,
       .hint = schema::StringHint(hint.id, hint.table),
       .states = {schema::CaptionWithoutLayers(normal), active, active,
                  schema::CaptionWithoutLayers(schema::Text(caption))}});
}

// ---- The pane with two picture buttons ----------------------------------------

// The pictures of one face of a 16 by 16 picture button: ids first_id (state
// 1), first_id + 1 (states 2 and 3) and first_id + 2 (state 4).
struct SmallFace {
  std::uint32_t first_id;
  std::uint32_t image;         // state 1
  std::uint32_t active_image;  // states 2 and 3, and state 4 with the fourth-state bit
};

schema::StateSet SmallFaceStates(const __packet& caption, const SmallFace& face) {
  const auto layer = [](std::uint32_t id, std::uint32_t image) {
    return schema::Image(id, image, kAnchorLeftMiddle, {0, 0, 16, 16});
  };
  const __packet first = layer(face.first_id, face.image);
  const __packet active = layer(face.first_id + 1, face.active_image);
  const __packet fourth = layer(face.first_id + 2, face.active_image + schema::kFourthStateImage);
  return {schema::CaptionedLayers(caption, {&first, 1}),
          schema::CaptionedLayers(caption, {&active, 1}),
          schema::CaptionedLayers(caption, {&active, 1}),
          schema::CaptionedLayers(caption, {&fourth, 1})};
}

TextElement PaneCaption(std::wstring text, RECT rect) {
  return {.text = std::move(text),
          .colour = schema::kBlue,
          .style = schema::kFontStyleLink,
          .format = schema::kFormatSingleLine | schema::kFormatVCentre,
          .anchor = kAnchorLeftMiddle,
          .rect = rect};
}

// Pauses and resumes the video; the second face has no caption text.
__packet PauseButton() {
  constexpr SmallFace kFace{183, 205, 549};
  TextElement caption = PaneCaption(Str(434), {22, 0, 80, 16});
  const __packet first = schema::Text(caption);
  caption.text = L"";
  return schema::StateGroupButton(
      {.id = 1003,
       .style = schema::kButtonTwoSetFlat,
       .anchor = kAnchorLeftMiddle,
       .rect = {3, 0, 100, 16},
       .hint = schema::StringHint(2070, 2),
       .states = SmallFaceStates(first, kFace),
       .second_hint = schema::StringHint(2071, 1, schema::kHintCodeSecond),
       .second_states = SmallFaceStates(schema::Text(caption), kFace)});
}

// A picture-only toggle whose hints have no title.
__packet ToggleButton() {
  const __packet caption = schema::Text(PaneCaption(Str(1), {0, 0, 0, 0}));
  const auto untitled = [](StringRef text, std::uint32_t code) {
    schema::HintRecord hint = schema::OrdinaryHint(Str(text.id, text.table), code);
    hint.title = L"";
    return schema::Hint(hint);
  };
  return schema::StateGroupButton({.id = 1010,
                                   .style = schema::kButtonTwoSetFlat,
                                   .anchor = kAnchorLeftMiddle,
                                   .rect = {24, 0, 16, 16},
                                   .hint = untitled({2046, 2}, schema::kHintCode),
                                   .states = SmallFaceStates(caption, {213, 228, 228}),
                                   .second_hint = untitled({2046, 1}, schema::kHintCodeSecond),
                                   .second_states = SmallFaceStates(caption, {216, 201, 201})});
}

__packet ButtonPane() {
  Children children;
  children.Add(schema::Image(192, 681, kAnchorAlongBottom, {0, 20, 15, 20}));
  children.Add(schema::Image(193, 682, kAnchorBottomRight, {15, 20, 15, 20}));
  children.Add(PauseButton());
  children.Add(ToggleButton());
  return schema::WindowDescription(
      secondary::FixedSizeWindow(5001, Str(1), 20, schema::kWindowFramed, {176, 20}), children,
      schema::kPaneWindow);
}

// The three welcome texts. Their patterns hold the product name (%s); they
// are formatted with it as the main window's bar does, so that no bare "%s"
// reaches the user.
std::array<std::wstring, 3> WelcomeTexts() {
  constexpr StringRef kProductName{449, 2};
  return {secondary::FormattedText(1528, kProductName),
          secondary::FormattedText(1529, kProductName),
          secondary::FormattedText(1530, kProductName)};
}

}  // namespace

__packet secondary::FrameSizedWindow4(ElementId id) {
  const int resume_width = MeasureStringWidth(442, 8, kFontNormal);
  const auto [help_width, question_width] = MeasureStringWidths(443, 445, 8, kFontNormal);
  // The question and the help link stand side by side around the centre.
  const WidthPairPlacement pair = WidthPair(help_width, question_width);

  Children children;
  children.Add(secondary::WhiteFill());
  children.Add(schema::Image(181, 527, kAnchorCentredTop, {-60, 30, 24, 24}));
  children.Add(schema::Image(182, 527, kAnchorCentred, {0, -10, 24, 24}));
  children.Add(schema::PictureFrame(7001, 105, kAnchorCentred, {0, 0, 70, 70}));
  children.Add(schema::PlainFrame(219, kAnchorFill, {0, 0, 70, 70}));
  children.Add(schema::PictureFrame(7002, 0, kAnchorFill, {0, 0, 0, 0}));
  for (const LabelRow& row : kCameraLabels) children.Add(LabelOf(row));
  children.Add(LinkButton(1004, {42, 20, 80, 16}, {2015, 2},
                          {.text = Str(442),
                           .format = schema::kFormatSingleLine | schema::kFormatVCentre,
                           .anchor = kAnchorLeftMiddle,
                           .rect = {0, 0, 50, 16}}));
  // The full stop after the resume link.
  children.Add(schema::Text(
      {.id = 258, .text = L".", .anchor = kAnchorCentred, .rect = {resume_width + 3, 21, 10, 16}}));
  children.Add(LabelOf(kNotVisibleLabel));
  children.Add(schema::Text({.id = 257,
                             .text = Str(445),
                             .anchor = kAnchorCentred,
                             .rect = {pair.text_left, 0, question_width, 16}}));
  children.Add(LinkButton(
      1005, {pair.button_left, 0, help_width, 16}, {2016, 2},
      {.text = Str(443),
       .format = schema::kFormatSingleLine | schema::kFormatVCentre | schema::kFormatRight,
       .anchor = kAnchorRightMiddle,
       .rect = {0, 0, help_width, 16}}));
  children.Add(schema::Image(255, 8070, kAnchorCentred, {0, 0, 72, 22}));
  children.Add(ButtonPane());
  const std::array<std::wstring, 3> texts = WelcomeTexts();
  children.Add(schema::InformationBar(1006, texts, {189, 190, 191}));

  return schema::WindowDescription({.id = id,
                                    .caption = Str(432),
                                    .style = 21,
                                    .flags = schema::kWindowFramed,
                                    .min_size = OuterSize({88, 72}),
                                    .max_size = OuterSize({538, 442}),
                                    .initial_size = OuterSize({176, 144}),
                                    // A fixed value, not the number of children.
                                    .top_key = 49},
                                   children);
}

}  // namespace ctrlelem
