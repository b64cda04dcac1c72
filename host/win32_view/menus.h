// Real menus from menu descriptions: a menu bar or popup (HMENU) with the
// items' captions, command ids and grayed/disabled flags, submenus nested.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ctrlelem_pack/host.h"

namespace ctrlelem_view {

// Builds the menu (a menu bar for a bar-type menu, else a popup); the caller
// owns it (DestroyMenu, or the window it is set on).
HMENU BuildMenu(const ctrlelem::schema::MenuView& menu);

// The menu bar a client gives a window, by element id; 0 for none. Menus are
// not placed in a window's container but attached by the host: the main
// window (1) has the main menu (7).
[[nodiscard]] std::uint32_t MenuBarOf(std::uint32_t window);

// How many items a real menu and each of its submenus hold, depth first: what
// the host's menus are checked against.
struct MenuCount {
  int items = 0;
  std::vector<MenuCount> submenus;  // in item order, for the items that open one
};
MenuCount CountMenu(HMENU menu);
// The same count of a description's menu.
MenuCount CountMenu(const ctrlelem::schema::MenuView& menu);

}  // namespace ctrlelem_view
