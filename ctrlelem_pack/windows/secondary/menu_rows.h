// The menu bar of the two split-view windows' menus (element ids 8 and 12):
// five entries, of which four open submenus that differ from menu to menu.
#pragma once

#include <cstdint>

#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::secondary {

using schema::kMenuItemDisabled;
using schema::kMenuItemGrayed;
using schema::MenuRow;
using schema::MenuRows;
// The value that stands beside image number 0 on items drawn without a picture.
inline constexpr std::uint32_t kNoPicture = schema::kMenuNoPicture;
// The command of a separator row.
inline constexpr std::uint32_t kSeparator = schema::kMenuSeparator;

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
