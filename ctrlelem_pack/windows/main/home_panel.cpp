// The child groups of the main window's signed-in view: the status header, the
// welcome information bar and the task links.
#include <array>
#include <string>

#include "text/format_label.h"
#include "windows/main/main_look.h"
#include "windows/main/main_window.h"

namespace ctrlelem::main_window {
namespace {

using schema::Image;
using schema::SameInEveryState;
using schema::Str;

// A blue link with a picture at its left, the same in every state.
struct IconLink {
  std::uint32_t id;
  std::uint32_t anchor;
  RECT rect;
  int hint;
  int hint_table;
  int caption;
  std::uint32_t caption_style;
  std::uint32_t icon_image;
  RECT icon_rect;
};

__packet IconLinkPacket(const IconLink& link) {
  const __packet caption = schema::Text({.id = 1,
                                         .text = Str(link.caption),
                                         .colour = schema::kBlue,
                                         .style = link.caption_style,
                                         .format = kFormatLine,
                                         .anchor = kAnchorFill,
                                         .rect = {28, 0, 0, 0}});
  const __packet icon = Image(1, link.icon_image, kAnchorTopLeft, link.icon_rect);
  return OneSetButton(link.id, schema::kButtonFlat, link.anchor, link.rect,
                      schema::StringHint(link.hint, link.hint_table),
                      SameInEveryState(schema::CaptionedLayers(caption, std::array{icon})));
}

constexpr std::uint32_t kLink = schema::kFontStyleLink;

constexpr IconLink kPersonalMessage = {
    1032, kAnchorTopLeft, {24, 24, 220, 16}, 2075, 2, 1489, kLink, 800, {1, 1, 16, 16}};

constexpr IconLink kTaskLinks[] = {
    // id, anchor, rectangle, hint string and table, caption, its style, icon image, rectangle
    {1025,
     kAnchorCentredTop,
     {0, 120, 200, 26},
     2042,
     2,
     754,
     kFontStyleLabelLink,
     5209,
     {1, 1, 24, 24}},
    {1026, kAnchorCentredTop, {0, 150, 200, 26}, 2043, 1, 755, kLink, 160, {1, 1, 24, 24}},
    {1027, kAnchorCentredTop, {0, 180, 200, 26}, 2044, 1, 756, kLink, 231, {1, 1, 24, 24}},
    {1028, kAnchorCentredTop, {0, 210, 200, 26}, 2045, 1, 757, kLink, 223, {1, 1, 24, 24}},
};

// A black caption beside the status picture over one small picture at its
// right end; state 2 adds a 600-pixel-wide picture under the small one.
__packet NameButton() {
  const __packet caption = schema::Text({.id = 64018,
                                         .text = Str(1),
                                         .style = schema::kFontStyleLabel,
                                         .format = kFormatCutMiddle,
                                         .anchor = kAnchorFill,
                                         .rect = {2, 1, 16, 0}});
  const __packet arrow = Image(2, 319, kAnchorTopRight, {16, 0, 16, 16});
  const __packet highlight = Image(1, 232, kAnchorTopLeft, {0, 0, 600, 16});
  const schema::StateGroup plain = schema::CaptionedLayers(caption, std::array{arrow});
  return OneSetButton(
      1018, schema::kButtonPicture, kAnchorTopLeft, {37, 16, 200, 16}, schema::StringHint(2039, 2),
      {plain, schema::CaptionedLayers(caption, std::array{highlight, arrow}), plain, plain});
}

}  // namespace

void AddStatusHeader(schema::Children& children, int start_key) {
  AddRun(children, start_key,
         {
             schema::Text({.id = 149,
                           .text = Str(1),
                           .colour = kStatusGreen,
                           .format = kFormatCutMiddle,
                           .anchor = kAnchorAlongTop,
                           .rect = {0, 17, 25, 16}}),
             NameButton(),
             Image(147, 5008, kAnchorTopLeft, {13, 16, 16, 16}),
             Image(161, 730, kAnchorTopLeft, {13, 19, 9, 9}),
             IconLinkPacket(kPersonalMessage),
         });
}

void AddWelcomeBar(schema::Children& children, int start_key) {
  // The three texts are parsed into the bar's text packet in this order.
  const std::wstring product = Str(449, 2);
  const std::array<std::wstring, 3> texts = {FormatWithOneArgument(Str(1528), product),
                                             FormatWithOneArgument(Str(1529), product),
                                             FormatWithOneArgument(Str(1530), product)};
  children.Put(start_key, schema::InformationBar(1021, texts, {150, 151, 152}));
}

void AddTaskLinks(schema::Children& children, int start_key) {
  AddRun(children, start_key,
         {
             schema::Text({.id = 157,
                           .text = Str(753),
                           .format = kFormatCutMiddle,
                           .anchor = kAnchorCentredTop,
                           .rect = {0, 100, 200, 16}}),
             IconLinkPacket(kTaskLinks[0]),
             IconLinkPacket(kTaskLinks[1]),
             IconLinkPacket(kTaskLinks[2]),
             IconLinkPacket(kTaskLinks[3]),
         });
}

}  // namespace ctrlelem::main_window
