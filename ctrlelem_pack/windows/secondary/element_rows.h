// Small row types and helpers that the secondary windows share, so their
// tables read as rows: a string reference, a picture placed in a container,
// the white fill that starts many containers, and the ordinary hint.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::secondary {

// String `id` of table `table`.
struct StringRef {
  int id = 0;
  int table = 1;
};

// One image element: id, picture number, anchor flags, rectangle.
struct ImageRow {
  std::uint32_t id;
  std::uint32_t image;
  std::uint32_t anchor;
  RECT rect;
};

__packet ImageOf(const ImageRow& row);
// Adds one image element per row, in order.
void AddImages(schema::Children& children, std::span<const ImageRow> rows);

// The white background that covers a window or pane.
__packet WhiteFill();

// An ordinary hint (title string 1) showing the string; code 3 marks the hint
// of a second face.
__packet Tip(StringRef text, std::uint32_t code = schema::kHintCode);

// An information-bar text: the pattern (a string of table 1) formatted with
// one argument; the empty text when it cannot be formatted.
std::wstring FormattedText(int pattern, StringRef argument);

// ---- Text-only buttons -----------------------------------------------------

// Text-only states: the caption in states 1 to 3, the fourth state's caption in
// state 4; layer counts 0 and no layer containers.
schema::StateSet CaptionStates(const __packet& caption, const __packet& fourth);

// How a text-only button's caption changes in state 4.
struct FourthLook {
  std::uint32_t colour;
  std::uint32_t style;  // font style bits
};

// Keys 1 to 5 of a text-only button.
struct TextButton {
  std::uint32_t id;
  std::uint32_t style;
  std::uint32_t anchor;
  RECT rect;
  std::optional<__packet> hint = std::nullopt;
};

// A text-only button (link-like or plain): the caption as given in states 1
// to 3 and with the fourth look in state 4.
__packet TextOnlyButton(const TextButton& button, schema::TextElement caption, FourthLook fourth);

// ---- Menus -------------------------------------------------------------------

// Item flags of the secondary menus.
inline constexpr std::uint32_t kMenuItemGrayed = 1;
inline constexpr std::uint32_t kMenuItemDisabled = 2;

struct MenuRow;
// The items of one submenu, in the order the menu shows them.
using MenuRows = std::span<const MenuRow>;

// One item of a submenu (command, flags, caption string of table 1, image
// number, the value 403, nested submenu); a row whose command is
// schema::kMenuSeparator is a separator.
struct MenuRow {
  std::uint32_t command;
  std::uint32_t flags = 0;
  int caption = 0;
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> alternative = std::nullopt;
  const MenuRows* submenu = nullptr;
};

// The submenu {13, item count, item list} of the rows; nested submenus are
// built from their own rows and stored under their item's sixth key.
__packet SubmenuOfRows(MenuRows rows);

// One entry of a menu bar: command, caption (string of table 1) and the rows
// of the submenu it opens.
struct MenuBarEntry {
  std::uint32_t command;
  int caption;
  MenuRows items;
};

// The menu bar (kind 10) with one entry per row, each opening its submenu.
__packet MenuBarOfRows(std::span<const MenuBarEntry> entries);

}  // namespace ctrlelem::secondary
