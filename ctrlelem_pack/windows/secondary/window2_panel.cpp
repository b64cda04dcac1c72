// The panel of the split-view window 2 (the inner split view's first pane):
// three framed areas side by side with their labels, the 22 by 22 picture
// buttons, and three pane windows whose keys come from the panel's running
// key like every other child's.
#include "windows/secondary/window2_panel.h"

#include <optional>
#include <string>

#include "schema/writers.h"
#include "windows/secondary/element_rows.h"
#include "windows/secondary/split_view_parts.h"

namespace ctrlelem::secondary {
namespace {

using schema::Children;
using schema::Str;

constexpr std::uint32_t kDarkGreen = 0x005300;
constexpr std::uint32_t kBlack = schema::kBlack;
constexpr std::uint32_t kWhite = schema::kWhite;
constexpr std::uint32_t kClear = schema::kTransparent;

// Text formats of the panel's labels.
constexpr std::uint32_t kLine = schema::kFormatSingleLine | schema::kFormatVCentre;
constexpr std::uint32_t kCentredLine = schema::kFormatCentredLine;
constexpr std::uint32_t kEllipsisLine = schema::kFormatEllipsis | kLine;
constexpr std::uint32_t kWrapped = schema::kFormatWordBreak;
constexpr std::uint32_t kWrappedCentred = schema::kFormatWordBreak | schema::kFormatCentre;

// Font styles.
constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kLabel = schema::kFontStyleLabel;
constexpr std::uint32_t kLink = schema::kFontStyleLink;
constexpr std::uint32_t kLinkLabel = schema::kFontStyleLink | schema::kFontStyleLabel;
constexpr std::uint32_t kLinkFourth = kLinkLabel | schema::kFontStyleFourth;

// The image flag of pictures stretched between margins.
constexpr std::uint32_t kStretchedPicture = 1;

// The pane windows size themselves between their two sizes (window flag word
// 6), so they carry no initial size.
constexpr std::uint32_t kPaneStyle = 20;
constexpr std::uint32_t kPaneFlags = 6;

// A label of the panel: string `text` of table 1 in the text face.
__packet Label(std::uint32_t id, int text, std::uint32_t colour, std::uint32_t background,
               std::uint32_t size, std::uint32_t style, std::uint32_t format, std::uint32_t anchor,
               RECT rect) {
  return schema::Text({.id = id,
                       .text = Str(text),
                       .colour = colour,
                       .background = background,
                       .size = size,
                       .style = style,
                       .format = format,
                       .anchor = anchor,
                       .rect = rect});
}

// A link-like text-only button: blue caption, without layers or hint.
__packet LinkButton(std::uint32_t id, RECT rect, int text, std::uint32_t size,
                    std::uint32_t style) {
  return TextOnlyButton(
      {.id = id, .style = schema::kButtonFlat, .anchor = kAnchorTopLeft, .rect = rect},
      {.text = Str(text),
       .colour = schema::kBlue,
       .size = size,
       .style = style,
       .format = kLine,
       .anchor = kAnchorFill},
      {schema::kBlue, kLinkFourth});
}

// ---- 22 by 22 picture buttons ------------------------------------------------

constexpr std::uint32_t Fourth(std::uint32_t icon) { return icon + schema::kFourthStateImage; }

struct SmallButton {
  std::uint32_t id;
  std::uint32_t style;
  RECT rect;
  __packet hint;
  std::uint32_t icon;
  std::uint32_t fourth_icon;  // the state-4 picture, mostly Fourth(icon)
  bool second_face = false;
};

// A 16 by 16 icon, laid over a plain backing in states 2 and 3.
PictureFace SmallFace(std::uint32_t icon, std::uint32_t fourth_icon) {
  return {.caption = std::nullopt,
          .fourth_caption = std::nullopt,
          .icon = schema::Image(2, icon, kAnchorTopLeft, {3, 3, 16, 16}),
          .fourth_icon = schema::Image(2, fourth_icon, kAnchorTopLeft, {3, 3, 16, 16}),
          .hover_background = schema::Image(1, 614, kAnchorTopLeft, {0, 0, 22, 22}),
          .pressed_background = schema::Image(1, 615, kAnchorTopLeft, {0, 0, 22, 22})};
}

__packet SmallButtonElement(const SmallButton& button) {
  schema::Button element{.id = button.id,
                         .style = button.style,
                         .anchor = kAnchorTopLeft,
                         .rect = button.rect,
                         .hint = button.hint,
                         .states = PictureStates(SmallFace(button.icon, button.fourth_icon))};
  if (button.second_face) {
    // Every second face shows picture 201, and 0x1020F in state 4 rather than
    // 201 with the fourth-state bit.
    element.second_hint = schema::StringHint(2047, 1, schema::kHintCodeSecond);
    element.second_states = PictureStates(SmallFace(201, 0x1020F));
  }
  return schema::StateGroupButton(element);
}

// ---- Pane windows --------------------------------------------------------------

__packet PaneWindow(std::uint32_t id, std::wstring caption, SIZE first, SIZE second,
                    const Children& children) {
  return schema::WindowDescription({.id = id,
                                    .caption = std::move(caption),
                                    .style = kPaneStyle,
                                    .flags = kPaneFlags,
                                    .min_size = first,
                                    .max_size = second,
                                    .initial_size = std::nullopt},
                                   children, schema::kPaneWindow);
}

// Three buttons that each carry a second face.
void AddPaneWindow5009(Children& panel) {
  const SmallButton buttons[] = {
      {1010,
       schema::kButtonTwoSetPicture,
       {3, 2, 22, 22},
       schema::StringHint(2046, 2),
       228,
       Fourth(228),
       true},
      {1011,
       schema::kButtonPicture,
       {3, 24, 22, 22},
       schema::StringHint(2048, 1, schema::kHintCodeSecond),
       205,
       Fourth(205),
       true},
      // State 4 shows picture 613 with bit 0x40000, not the fourth-state bit.
      {1012,
       schema::kButtonPicture,
       {3, 66, 22, 22},
       schema::Hint(schema::OrdinaryHint(L"Wem font", schema::kHintCodeSecond)),
       613,
       0x40265,
       true},
  };
  Children pane;
  pane.Add(schema::Image(152, 610, kAnchorTopLeft, {0, 0, 27, 144}));
  for (const SmallButton& button : buttons) pane.Add(SmallButtonElement(button));
  panel.Add(PaneWindow(5009, Str(1), {163, 29}, {27, 144}, pane));
}

void AddPaneWindow5008(Children& panel) {
  Children pane;
  pane.Add(WhiteFill());
  pane.Add(schema::Image(152, 671, kAnchorTopLeft, {0, 0, 16, 16}));
  panel.Add(PaneWindow(5008, L"", {360, 34}, {22, 22}, pane));
}

// Five buttons with one face each.
void AddPaneWindow5011(Children& panel) {
  constexpr std::uint32_t kStyle = schema::kButtonPicture;
  const SmallButton buttons[] = {
      {1014, kStyle, {3, 2, 22, 22}, schema::StringHint(2050, 2), 671, Fourth(671)},
      {1031, kStyle, {3, 24, 22, 22}, schema::StringHint(2076), 725, Fourth(725)},
      {1019, kStyle, {3, 46, 22, 22}, schema::StringHint(2052), 660, Fourth(660)},
      {1020, kStyle, {3, 68, 22, 22}, schema::StringHint(2053), 672, Fourth(672)},
      {1016, kStyle, {3, 90, 22, 22}, schema::StringHint(2054), 205, Fourth(205)},
  };
  Children pane;
  pane.Add(schema::Image(152, 610, kAnchorFill, {0, 0, 0, 0}));
  for (const SmallButton& button : buttons) pane.Add(SmallButtonElement(button));
  panel.Add(PaneWindow(5011, Str(1), {354, 29}, {27, 144}, pane));
}

// ---- The panel -------------------------------------------------------------------

constexpr ImageRow kPanelFrame[] = {
    {110, 556, kAnchorTopLeft, {0, 0, 10, 39}},   {111, 551, kAnchorAlongTop, {10, 0, 5, 5}},
    {112, 557, kAnchorTopRight, {6, 0, 10, 39}},  {113, 554, kAnchorDownLeft, {0, 39, 5, 29}},
    {114, 555, kAnchorDownRight, {1, 39, 5, 29}}, {115, 552, kAnchorBottomLeft, {0, 29, 9, 29}},
    {116, 550, kAnchorAlongBottom, {9, 5, 5, 5}}, {117, 553, kAnchorBottomRight, {5, 29, 9, 29}},
};

}  // namespace

void AddWindow2Panel(Children& panel) {
  panel.Add(WhiteFill());
  AddImages(panel, kPanelFrame);
  panel.Add(schema::Image(140, 605, kAnchorTopLeft, {5, 8, 10, 176}));
  panel.Add(schema::Image(141, 606, kAnchorAlongTop, {15, 8, 2, 176}, kStretchedPicture));
  panel.Add(schema::Image(143, 685, kAnchorTopLeft, {5, 5, 10, 252}));
  panel.Add(schema::Image(144, 686, kAnchorAlongTop, {15, 5, 2, 252}, kStretchedPicture));
  panel.Add(schema::Image(145, 687, kAnchorTopRight, {7, 5, 5, 252}));

  // The left frame.
  panel.Add(schema::Image(187, 5004, kAnchorTopLeft, {11, 8, 16, 16}));
  panel.Add(
      Label(188, 446, kBlack, kClear, 9, kPlain, kEllipsisLine, kAnchorTopLeft, {31, 8, 200, 16}));
  AddPaneWindow5009(panel);
  panel.Add(schema::Image(146, 609, kAnchorTopLeft, {11, 26, 182, 150}));
  panel.Add(schema::PictureFrame(5007, 0, kAnchorTopLeft, {14, 29, 176, 144}));
  panel.Add(Label(192, 440, kBlack, kWhite, 11, kLabel, kCentredLine, kAnchorTopLeft,
                  {14, 29, 176, 144}));

  // The middle frame and its notices.
  panel.Add(schema::Image(189, 5004, kAnchorTopLeft, {201, 8, 16, 16}));
  panel.Add(
      Label(190, 1, kBlack, kClear, 9, kPlain, kEllipsisLine, kAnchorTopLeft, {221, 8, 160, 16}));
  panel.Add(schema::Image(147, 609, kAnchorTopLeft, {201, 26, 182, 150}));
  panel.Add(schema::Image(151, 723, kAnchorTopLeft, {201, 26, 270, 222}));
  panel.Add(Label(180, 843, kDarkGreen, kClear, 11, kLabel, kWrappedCentred, kAnchorTopLeft,
                  {210, 77, 160, 72}));
  panel.Add(Label(195, 1, kBlack, kWhite, 9, kPlain, 0, kAnchorTopLeft, {204, 29, 176, 144}));
  // Picture code -1: every bit set.
  panel.Add(schema::PictureFrame(5013, 0xFFFFFFFF, kAnchorTopLeft, {204, 29, 176, 144}));
  panel.Add(schema::PictureFrame(5010, 105, kAnchorTopLeft, {257, 56, 70, 70}));
  panel.Add(Label(200, 436, kDarkGreen, kClear, 9, kPlain, kCentredLine, kAnchorTopLeft,
                  {204, 130, 176, 20}));
  panel.Add(Label(194, 441, kDarkGreen, kClear, 11, kLabel, kWrappedCentred, kAnchorTopLeft,
                  {204, 29, 176, 144}));
  panel.Add(
      Label(196, 437, kBlack, kWhite, 9, kLabel, kCentredLine, kAnchorTopLeft, {204, 55, 176, 20}));
  panel.Add(Label(197, 438, kBlack, kWhite, 9, kPlain, kCentredLine, kAnchorTopLeft,
                  {204, 110, 176, 16}));
  panel.Add(Label(198, 439, kBlack, kWhite, 9, kPlain, kLine, kAnchorTopLeft, {245, 126, 40, 16}));
  panel.Add(LinkButton(1030, {289, 126, 50, 16}, 442, 9, kLink));
  panel.Add(Label(193, 440, kBlack, kWhite, 11, kLabel, kCentredLine, kAnchorTopLeft,
                  {204, 29, 176, 144}));
  AddPaneWindow5008(panel);
  AddPaneWindow5011(panel);

  // Under the left frame, then the right-hand frame with its buttons.
  panel.Add(schema::Image(149, 611, kAnchorTopLeft, {11, 178, 182, 70}));
  panel.Add(schema::Image(150, 722, kAnchorTopLeft, {391, 26, 180, 150}));
  panel.Add(SmallButtonElement({1022,
                                schema::kButtonPicture,
                                {355, 31, 22, 22},
                                schema::StringHint(2051, 2),
                                671,
                                Fourth(671)}));
  panel.Add(SmallButtonElement({1018,
                                schema::kButtonPicture,
                                {545, 31, 22, 22},
                                schema::StringHint(2051, 2),
                                671,
                                Fourth(671)}));
  __packet link = LinkButton(1013, {406, 77, 160, 18}, 844, 11, kLinkLabel);
  schema::AppendButtonHint(link, schema::StringHint(2055, 2));
  panel.Add(link);
  panel.Add(Label(184, 845, kDarkGreen, kClear, 11, kLabel, kWrapped, kAnchorTopLeft,
                  {406, 77, 160, 72}));
  panel.Add(schema::PlainArea(5003, kAnchorFill, {9, 5, 6, 6}));
  panel.Add(schema::PictureFrame(7001, 105, kAnchorCentred, {0, -10, 70, 70}));
  panel.Add(Label(201, 1100, kDarkGreen, kClear, 9, kPlain, kCentredLine, kAnchorCentred,
                  {10, 30, 200, 20}));
  panel.Add(schema::PlainFrame(211, kAnchorTopLeft, {204, 29, 176, 144}));
}

}  // namespace ctrlelem::secondary
