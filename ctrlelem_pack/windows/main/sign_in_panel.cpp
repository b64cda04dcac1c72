// The child groups of the main window's upper half: the tab buttons, the
// sign-in options and the sign-in panel.
#include <array>

#include "windows/main/main_look.h"
#include "windows/main/main_window.h"

namespace ctrlelem::main_window {
namespace {

using schema::Image;
using schema::SameInEveryState;
using schema::StateGroup;
using schema::Str;

// ---- Tab buttons ------------------------------------------------------------

// The element ids and image numbers of a three-slice background 25 high.
struct Slices {
  std::array<std::uint32_t, 3> ids;
  std::array<std::uint32_t, 3> images;
};

// One tab: a two-set half-width button whose every state is a three-slice
// background under an icon. The first set shows the same layers in all four
// states; the second set changes its background in states 2 and 3.
struct TabButton {
  std::uint32_t id;
  std::uint32_t anchor;
  RECT rect;
  int hint;         // table 2
  int second_hint;  // table 1
  int caption;
  RECT caption_rect;
  Slices first;
  Slices second;
  Slices second_pressed;
  std::uint32_t icon_id;
  std::uint32_t icon_image;
  RECT icon_rect;
  RECT second_icon_rect;
};

constexpr TabButton kTabs[] = {
    {.id = 1009,
     .anchor = kAnchorLeftHalfTop,
     .rect = {4, 41, 0, 30},
     .hint = 2024,
     .second_hint = 2025,
     .caption = 18,
     .caption_rect = {12, 8, 0, 25},
     .first = {{123, 124, 125}, {125, 128, 131}},
     .second = {{126, 127, 128}, {126, 129, 132}},
     .second_pressed = {{129, 120, 130}, {127, 130, 133}},
     .icon_id = 131,
     .icon_image = 231,
     .icon_rect = {5, 0, 24, 24},
     .second_icon_rect = {7, 2, 24, 24}},
    {.id = 1010,
     .anchor = kAnchorRightHalfTop,
     .rect = {0, 41, 4, 30},
     .hint = 2027,
     .second_hint = 2026,
     .caption = 19,
     .caption_rect = {16, 8, 0, 25},
     .first = {{132, 133, 134}, {139, 142, 145}},
     .second = {{135, 136, 137}, {138, 141, 144}},
     .second_pressed = {{138, 139, 140}, {140, 143, 114}},
     .icon_id = 141,
     .icon_image = 5209,
     .icon_rect = {5, 0, 24, 24},
     .second_icon_rect = {7, 1, 24, 24}},
};

// Left cap, stretched middle, right cap, then the icon on top.
std::array<__packet, 4> SlicedLayers(const Slices& slices, const __packet& icon) {
  return {Image(slices.ids[0], slices.images[0], kAnchorTopLeft, {0, 5, 7, 25}),
          Image(slices.ids[1], slices.images[1], kAnchorAlongTop, {7, 5, 7, 25}),
          Image(slices.ids[2], slices.images[2], kAnchorTopRight, {7, 5, 7, 25}), icon};
}

__packet TabButtonPacket(const TabButton& tab) {
  const auto caption = [&](RECT rect) {
    return schema::Text({.id = 1,
                         .text = Str(tab.caption),
                         .format = schema::kFormatCentre,
                         .anchor = kAnchorCaptionAcross,
                         .rect = rect});
  };
  // The second set's caption sits at (14, 9) on both tabs.
  const __packet first_caption = caption(tab.caption_rect);
  const __packet second_caption = caption({14, 9, 0, 25});
  const __packet first_icon = Image(tab.icon_id, tab.icon_image, kAnchorLeftMiddle, tab.icon_rect);
  const __packet second_icon =
      Image(tab.icon_id, tab.icon_image, kAnchorLeftMiddle, tab.second_icon_rect);

  const StateGroup second =
      schema::CaptionedLayers(second_caption, SlicedLayers(tab.second, second_icon));
  const StateGroup second_pressed =
      schema::CaptionedLayers(second_caption, SlicedLayers(tab.second_pressed, second_icon));
  return schema::StateGroupButton({
      .id = tab.id,
      .style = schema::kButtonHalf,
      .anchor = tab.anchor,
      .rect = tab.rect,
      .hint = schema::StringHint(tab.hint, 2),
      .states = SameInEveryState(
          schema::CaptionedLayers(first_caption, SlicedLayers(tab.first, first_icon))),
      .second_hint = schema::StringHint(tab.second_hint, 1, schema::kHintCodeSecond),
      .second_states = schema::StateSet{second, second_pressed, second_pressed, second},
  });
}

// ---- Sign-in options ----------------------------------------------------------

struct SignInOption {
  std::uint32_t id;
  RECT rect;
  int hint;
  int hint_table;
  int second_hint;  // table 1
  int caption;
};

constexpr SignInOption kOptions[] = {
    {1011, {-55, 200, 148, 20}, 2028, 2, 2029, 21},
    {1012, {-55, 230, 125, 20}, 2030, 1, 2031, 22},
    {1013, {-55, 260, 119, 20}, 2032, 1, 2033, 23},
};

// A two-set text-only button: the same caption, count 0, in all eight states.
__packet SignInOptionPacket(const SignInOption& option) {
  const StateGroup text_only =
      schema::CaptionWithoutLayers(schema::Text({.id = 1,
                                                 .text = Str(option.caption),
                                                 .format = kFormatLine,
                                                 .anchor = kAnchorFill,
                                                 .rect = {0, 0, 0, 0}}));
  return schema::StateGroupButton({
      .id = option.id,
      .style = schema::kButtonTwoSetText,
      .anchor = kAnchorFromCentreTop,
      .rect = option.rect,
      .hint = schema::StringHint(option.hint, option.hint_table),
      .states = SameInEveryState(text_only),
      .second_hint = schema::StringHint(option.second_hint, 1, schema::kHintCodeSecond),
      .second_states = SameInEveryState(text_only),
  });
}

// ---- Sign-in panel --------------------------------------------------------------

// A caption filling its button, black unless given.
__packet FillingCaption(int string_id, std::uint32_t colour, std::uint32_t style,
                        std::uint32_t format, RECT rect) {
  return schema::Text({.id = 1,
                       .text = Str(string_id),
                       .colour = colour,
                       .style = style,
                       .format = format,
                       .anchor = kAnchorFill,
                       .rect = rect});
}

// A blue text-link button: its caption only, in every state.
__packet LinkButton(std::uint32_t id, std::uint32_t anchor, RECT rect, int hint, int caption,
                    std::uint32_t format, RECT caption_rect) {
  return OneSetButton(id, schema::kButtonFlatText, anchor, rect, schema::StringHint(hint, 2),
                      SameInEveryState(schema::CaptionOnly(FillingCaption(
                          caption, schema::kBlue, kFontStyleLabelLink, format, caption_rect))));
}

// A push button of the panel. Its layer counts are 0, yet every state keeps the
// one-layer container of the sign-up link's icon: the description carries it
// as the host has always received it.
__packet PushButton(std::uint32_t id, RECT rect, int hint, int caption, const __packet& icon) {
  const __packet label =
      FillingCaption(caption, schema::kBlack, 0, schema::kFormatCentredLine, {0, 0, 0, 0});
  return OneSetButton(id, kButtonBare, kAnchorFromCentreTop, rect, schema::StringHint(hint, 2),
                      SameInEveryState(StateGroup{label, 0u, schema::Container({icon})}));
}

__packet PanelLabel(std::uint32_t id, int string_id, RECT rect) {
  return schema::Text({.id = id,
                       .text = Str(string_id),
                       .style = schema::kFontStyleLabel,
                       .format = schema::kFormatCentre,
                       .anchor = kAnchorFromCentreTop,
                       .rect = rect});
}

}  // namespace

void AddTabButtons(schema::Children& children, int start_key) {
  AddRun(children, start_key, {TabButtonPacket(kTabs[0]), TabButtonPacket(kTabs[1])});
}

void AddSignInOptions(schema::Children& children, int start_key) {
  AddRun(children, start_key,
         {SignInOptionPacket(kOptions[0]), SignInOptionPacket(kOptions[1]),
          SignInOptionPacket(kOptions[2])});
}

void AddSignInPanel(schema::Children& children, int start_key) {
  const __packet sign_up_icon = Image(149, 210, kAnchorLeftMiddle, {2, 0, 32, 32});
  const __packet sign_up_caption = FillingCaption(24, schema::kBlue, kFontStyleLabelLink,
                                                  schema::kFormatEllipsis, {40, 3, 0, 0});
  const __packet sign_up = OneSetButton(
      1014, schema::kButtonFlatText, kAnchorTopLeft, {50, 20, 180, 35}, schema::StringHint(2034, 2),
      SameInEveryState(schema::CaptionedLayers(sign_up_caption, std::array{sign_up_icon})));
  const __packet balloon = BalloonRecord();

  AddRun(children, start_key,
         {
             schema::Text({.id = 158,
                           .text = Str(774),
                           .format = schema::kFormatCentre,
                           .anchor = kAnchorAlongTop,
                           .rect = {0, 150, 0, 20}}),
             sign_up,
             LinkButton(1029, kAnchorCentredTop, {0, 350, 130, 20}, 2035, 758, kFormatCutCentre,
                        {2, 2, 0, 0}),
             PushButton(1015, {-35, 300, 70, 25}, 2036, 25, sign_up_icon),
             schema::CaptionedField(5001, 15, kAnchorFromCentreTop, {-65, 120, 130, 45}, Str(1413),
                                    balloon),
             schema::EntryBox(5002, 9, kAnchorFromCentreTop, {-65, 150, 130, 20}, balloon),
             PanelLabel(145, 28, {-127, 123, 60, 20}),
             PanelLabel(146, 29, {-126, 153, 60, 20}),
             schema::PictureFrame(7001, 105, kAnchorCentredTop, {0, 80, 70, 70}),
             schema::PictureFrame(7003, 106, kAnchorFromCentreTop, {-11, 170, 22, 22}),
             PushButton(1017, {-35, 180, 70, 25}, 2037, 26, sign_up_icon),
             LinkButton(1030, kAnchorCentredTop, {0, 250, 269, 16}, 2038, 27,
                        schema::kFormatCentredLine, {0, 0, 0, 0}),
             schema::StringArea(7002, 2, kAnchorFill, {5, 71, 5, 164}),
         });
}

}  // namespace ctrlelem::main_window
