// Rows for the menus of the two split-view windows (element ids 8 and 12):
// one row per submenu item, and the menu bar whose five entries both share.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "language/packet.h"
#include "schema/kind_table.h"

namespace ctrlelem::secondary {

// Item flags of the secondary menus.
inline constexpr std::uint32_t kMenuItemGrayed = 1;
inline constexpr std::uint32_t kMenuItemDisabled = 2;
// The value that stands beside image number 0 on items drawn without a picture.
inline constexpr std::uint32_t kNoPicture = 403;
// The command of a separator row.
inline constexpr std::uint32_t kSeparator = schema::kMenuSeparator;

struct MenuRow;
// The items of one submenu, in the order the menu shows them.
using MenuRows = std::span<const MenuRow>;

// One item of a submenu (command, flags, caption string of table 1, image
// number, the value 403, nested submenu); a row whose command is kSeparator
// is a separator.
struct MenuRow {
  std::uint32_t command;
  std::uint32_t flags = 0;
  int caption = 0;
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> alternative = std::nullopt;
  const MenuRows* submenu = nullptr;
  bool opens_dialog = false;  // the caption is followed by "..."
};

// The submenu {13, item count, item list} of the rows; nested submenus are
// built from their own rows and stored under their item's sixth key.
__packet SubmenuOfRows(MenuRows rows);

// The submenus of a split-view window's menu bar that differ from window to
// window, one per entry.
struct SplitViewMenus {
  MenuRows conversation;
  MenuRows edit;
  MenuRows view;
  MenuRows actions;
};

// The menu bar (kind 10) of a split-view window: the entries conversation,
// edit, view, actions and help, each opening its submenu, stored under keys 6,
// 12, 18, 24 and 30 of the bar's list. The help submenu is the same in both.
__packet SplitViewMenuBar(const SplitViewMenus& menus);

}  // namespace ctrlelem::secondary
