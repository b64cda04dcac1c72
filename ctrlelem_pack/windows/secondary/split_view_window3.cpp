// The split-view window (element id 3): a row of tool buttons over a framed
// pane, a control bar of measured buttons below them, an information bar and
// an HTML view on a green strip.
#include <optional>
#include <string>

#include "schema/writers.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"
#include "windows/secondary/split_view_parts.h"

namespace ctrlelem {
namespace {

using schema::Children;
using schema::Str;
using secondary::ImageRow;
using secondary::PictureFace;
using secondary::StringRef;

// ---- The tool row: the inner split view's first pane ------------------------

constexpr ImageRow kToolRowFrame[] = {
    {100, 346, kAnchorAlongTop, {4, 4, 4, 61}},     {110, 556, kAnchorTopLeft, {0, 0, 10, 39}},
    {111, 551, kAnchorAlongTop, {10, 0, 6, 5}},     {112, 557, kAnchorTopRight, {10, 0, 10, 39}},
    {113, 554, kAnchorDownLeft, {0, 39, 5, 29}},    {114, 555, kAnchorDownRight, {5, 39, 5, 29}},
    {115, 552, kAnchorBottomLeft, {0, 29, 9, 29}},  {116, 550, kAnchorAlongBottom, {9, 5, 5, 5}},
    {117, 553, kAnchorBottomRight, {9, 29, 9, 29}},
};

// The picture behind a tool button in states 2 and 3; the button is as wide.
struct Backing {
  std::uint32_t image;
  int width;
};
constexpr Backing kNarrow{668, 55};
constexpr Backing kWide{669, 60};

// One face of a tool button: hint, caption, icon and backing.
struct ToolFace {
  StringRef hint;
  int label;
  std::uint32_t icon;
  Backing backing;
};

// The second face of the video button, also worn by the snapshot and block
// buttons.
constexpr ToolFace kVideoOffFace{{2004}, 413, 192, kWide};
// The second face of the mute button.
constexpr ToolFace kUnmuteFace{{2077}, 1565, 527, kWide};

struct ToolButton {
  std::uint32_t id;
  std::uint32_t style;
  int left;
  ToolFace face;
  std::optional<ToolFace> second_face = std::nullopt;
  bool fourth_caption_marked = true;  // the state 4 caption has font style 8
};

constexpr ToolButton kToolButtons[] = {
    // The invite button's state 4 caption stays unmarked.
    {1029, schema::kButtonPicture, 7, {{2068, 2}, 414, 206, kNarrow}, std::nullopt, false},
    {1030, schema::kButtonPicture, 62, {{2069}, 420, 168, kNarrow}},
    {1031, schema::kButtonPicture, 117, {{2000}, 419, 160, kNarrow}},
    {1032, schema::kButtonTwoSetPicture, 172, {{2078}, 1568, 229, kWide}, kUnmuteFace},
    {1033, schema::kButtonTwoSetPicture, 172, {{2003}, 412, 175, kWide}, kVideoOffFace},
    {1034, schema::kButtonPicture, 232, {{2005}, 417, 435, kNarrow}, kVideoOffFace},
    {1035, schema::kButtonPicture, 287, {{2006}, 418, 213, kNarrow}, kVideoOffFace},
};

PictureFace ToolStates(const ToolFace& face, bool fourth_caption_marked) {
  schema::TextElement label{.text = Str(face.label),
                            .format = schema::kFormatCentre,
                            .anchor = kAnchorAlongTop,
                            .rect = {0, 35, 0, 16}};
  PictureFace states;
  states.caption = schema::Text(label);
  if (fourth_caption_marked) {
    label.style = schema::kFontStyleFourth;
    states.fourth_caption = schema::Text(label);
  }
  states.icon = schema::Image(2, face.icon, kAnchorCentred, {0, -4, 24, 24});
  states.fourth_icon =
      schema::Image(2, face.icon + schema::kFourthStateImage, kAnchorCentred, {0, -4, 24, 24});
  states.hover_background =
      schema::Image(1, face.backing.image, kAnchorTopLeft, {0, 0, face.backing.width, 53});
  states.pressed_background = states.hover_background;
  return states;
}

__packet ToolButtonElement(const ToolButton& button) {
  schema::Button element{
      .id = button.id,
      .style = button.style,
      .anchor = kAnchorTopLeft,
      .rect = {button.left, 7, button.face.backing.width, 53},
      .hint = schema::StringHint(button.face.hint.id, button.face.hint.table),
      .states = secondary::PictureStates(ToolStates(button.face, button.fourth_caption_marked))};
  if (button.second_face) {
    element.second_hint = schema::StringHint(
        button.second_face->hint.id, button.second_face->hint.table, schema::kHintCodeSecond);
    element.second_states = secondary::PictureStates(ToolStates(*button.second_face, true));
  }
  return schema::StateGroupButton(element);
}

// The narrow ">>" button that opens the buttons that do not fit.
__packet MoreButton() {
  const __packet arrows = schema::Image(2, 670, kAnchorCentred, {0, 0, 13, 13});
  const __packet backing = schema::Image(1, 137, kAnchorTopLeft, {0, 0, 20, 53});
  return schema::StateGroupButton({
      .id = 1039,
      .style = schema::kButtonPicture,
      .anchor = kAnchorTopRight,
      .rect = {30, 7, 20, 53},
      .hint = schema::Hint(schema::OrdinaryHint(L">>")),
      .states = secondary::PictureStates({.caption = std::nullopt,
                                          .fourth_caption = std::nullopt,
                                          .icon = arrows,
                                          .fourth_icon = arrows,
                                          .hover_background = backing,
                                          .pressed_background = backing}),
      // Made from the block button (1035) with its captions removed, so it
      // keeps that button's second face.
      .second_hint = schema::StringHint(kVideoOffFace.hint.id, kVideoOffFace.hint.table,
                                        schema::kHintCodeSecond),
      .second_states = secondary::PictureStates(ToolStates(kVideoOffFace, true)),
  });
}

// The status label at the bottom of the row: an icon, an edge picture and a
// text of blanks that the host fills in.
__packet StatusLabel() {
  return schema::IconLabel(
      1020, kAnchorAlongTop, {5, 63, 5, 27},
      schema::Image(200, 503, kAnchorLeftMiddle, {10, 0, 16, 16}),
      schema::Image(201, 504, kAnchorLeftMiddle, {0, 0, 10, 27}),
      schema::Text(
          {.text = std::wstring(14, L' '),
           .format = schema::kFormatEllipsis | schema::kFormatSingleLine | schema::kFormatVCentre,
           .anchor = kAnchorFill,
           .rect = {32, 0, 0, 0}}));
}

void AddToolRow(Children& row) {
  row.Add(secondary::WhiteFill());
  secondary::AddImages(row, kToolRowFrame);
  for (const ToolButton& button : kToolButtons) row.Add(ToolButtonElement(button));
  row.Add(MoreButton());
  row.Add(schema::PlainArea(5003, kAnchorFill, {8, 63, 8, 6}));
  row.Add(StatusLabel());
}

}  // namespace

// ---- The window ----------------------------------------------------------------

__packet secondary::SplitViewWindow3(ElementId id) {
  Children tool_row;
  AddToolRow(tool_row);
  Children frame_pane;
  secondary::AddFramePane(frame_pane);
  Children control_bar;
  secondary::AddControlBar(control_bar);

  Children children;
  children.Add(
      secondary::NestedSplitViews({.outer_a = 120, .outer_b = 100, .inner_a = 215, .inner_b = 100},
                                  tool_row, frame_pane, control_bar));
  const std::wstring bar_texts[] = {secondary::FormattedText(1531, {1549, 2}), Str(1532)};
  secondary::AddBottomRows(children, bar_texts,
                           {.strip_id = 225,
                            .view_id = 5010,
                            .page = L"res://.\\Wembrix Video Chat.exe/%%2323/%%23102"});

  return schema::WindowDescription(secondary::GrowingWindow(id, {380, 230}), children);
}

}  // namespace ctrlelem
