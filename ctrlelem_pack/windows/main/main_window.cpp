#include "windows/main/main_window.h"

#include <array>

#include "frame/display_scale.h"
#include "windows/main/main_look.h"

namespace ctrlelem::main_window {
namespace {

using schema::CaptionedLayers;
using schema::Image;
using schema::Str;

// One button of the row of five picture buttons under the window's top: the
// row's buttons share their look and differ only in these values.
struct RowButton {
  std::uint32_t id;
  RECT rect;
  std::uint32_t hint_code;
  int hint;
  int hint_table;
  int caption;
  std::uint32_t icon_id;
  std::uint32_t icon_image;
  RECT icon_rect;
};

constexpr std::uint32_t kFirst = schema::kHintCode;
constexpr std::uint32_t kSecond = schema::kHintCodeSecond;

constexpr RowButton kButtonRow[] = {
    // id, rectangle, hint code, hint string and table, caption, icon id, image, rectangle
    {1002, {-110, 57, 55, 53}, kFirst, 2017, 2, 11, 115, 196, {0, -4, 24, 22}},
    {1003, {55, 57, 55, 53}, kFirst, 2018, 1, 12, 116, 219, {0, -4, 24, 22}},
    {1004, {0, 57, 55, 53}, kSecond, 2019, 1, 13, 117, 160, {0, -4, 24, 24}},
    {1005, {-55, 57, 55, 53}, kFirst, 2020, 1, 14, 118, 223, {0, -4, 24, 24}},
    {1006, {110, 57, 55, 53}, kFirst, 2021, 1, 15, 119, 667, {0, -4, 24, 24}},
};

// The icon alone in states 1 and 4, over a plain 55 by 53 background in states
// 2 and 3.
__packet RowButtonPacket(const RowButton& row) {
  const __packet caption = schema::Text({.id = 1,
                                         .text = Str(row.caption),
                                         .format = schema::kFormatCentre,
                                         .anchor = kAnchorAlongTop,
                                         .rect = {0, 35, 0, 16}});
  const __packet icon = Image(row.icon_id, row.icon_image, kAnchorCentred, row.icon_rect);
  const __packet hover = Image(114, 136, kAnchorTopLeft, {0, 0, 55, 53});
  const __packet pressed = Image(114, 691, kAnchorTopLeft, {0, 0, 55, 53});
  return OneSetButton(row.id, schema::kButtonPicture, kAnchorCentredBottom, row.rect,
                      schema::StringHint(row.hint, row.hint_table, row.hint_code),
                      {CaptionedLayers(caption, std::array{icon}),
                       CaptionedLayers(caption, std::array{hover, icon}),
                       CaptionedLayers(caption, std::array{pressed, icon}),
                       CaptionedLayers(caption, std::array{icon})});
}

// The white background and the frame pictures (keys 1 to 15; key 4 stays empty).
void AddFrame(schema::Children& children) {
  children.Add(schema::BackgroundFill(0, schema::kWhite, kAnchorFill, {0, 0, 0, 0}));
  children.Add(Image(100, 122, kAnchorAlongTop, {4, 4, 86, 42}, 1));  // stretched: image flag 1
  children.Add(Image(101, 152, kAnchorTopRight, {94, 0, 94, 48}));
  children.Skip();
  children.Add(Image(102, 135, kAnchorAlongBottom, {4, 163, 4, 32}));
  children.Add(Image(103, 117, kAnchorAlongBottom, {4, 56, 4, 52}));
  children.Add(Image(105, 150, kAnchorTopLeft, {0, 0, 7, 47}));
  children.Add(Image(106, 153, kAnchorAlongTop, {0, 0, 0, 4}));
  children.Add(Image(107, 148, kAnchorDownLeft, {0, 0, 4, 238}));
  children.Add(Image(108, 149, kAnchorBottomLeft, {0, 245, 4, 238}));
  children.Add(Image(109, 148, kAnchorDownRight, {4, 0, 4, 238}));
  children.Add(Image(110, 149, kAnchorBottomRight, {4, 245, 4, 238}));
  children.Add(Image(111, 147, kAnchorBottomLeft, {0, 7, 7, 7}));
  children.Add(Image(112, 151, kAnchorBottomRight, {7, 7, 7, 7}));
  children.Add(Image(113, 146, kAnchorAlongBottom, {7, 4, 7, 4}));
}

}  // namespace

__packet MainWindow(ElementId id) {
  schema::Children children;
  AddFrame(children);
  for (const RowButton& row : kButtonRow) children.Add(RowButtonPacket(row));

  // The groups sit at fixed keys; keys a group does not fill stay empty.
  AddTabButtons(children, 21);
  children.Put(23, Image(144, 117, kAnchorAlongTop, {4, 4, 4, 77}));
  AddSignInOptions(children, 24);
  AddSignInPanel(children, 27);
  AddStatusHeader(children, 40);
  AddWelcomeBar(children, 49);
  AddTaskLinks(children, 51);

  children.Put(56, schema::BackgroundFill(160, kStripGreen, kAnchorAlongBottom, {0, 64, 0, 64}));
  children.Put(57,
               schema::HtmlView(7004, kAnchorCentredBottom, {0, 64, 275, 60},
                                L"res://.\\Wembrix Video Chat.exe/%%2323/%%23101", kStripGreen));

  // Key 9 is the highest child key (57), not the number of children.
  return schema::WindowDescription({.id = id,
                                    .caption = Str(2),
                                    .style = kMainWindowStyle,
                                    .flags = schema::kWindowFramed,
                                    .reserved = 0u,
                                    .min_size = SIZE{ScaledWidth(289), ScaledHeight(500)},
                                    .max_size = SIZE{ScaledWidth(447), ScaledHeight(1125)},
                                    .initial_size = SIZE{ScaledWidth(289), ScaledHeight(500)},
                                    .top_key = std::nullopt},
                                   children);
}

}  // namespace ctrlelem::main_window
