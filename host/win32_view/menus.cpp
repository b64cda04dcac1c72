#include "menus.h"

namespace ctrlelem_view {
namespace {

namespace schema = ctrlelem::schema;

// The item flags a host passes on to AppendMenu: grayed, disabled, checked,
// and the column breaks.
constexpr UINT kPassedFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK;

void AppendItems(HMENU target, const schema::MenuView& menu) {
  for (const schema::MenuItemView& item : menu.items) {
    if (item.separator) {
      AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT flags = MF_STRING | (item.flags & kPassedFlags);
    if (item.submenu) {
      HMENU popup = CreatePopupMenu();
      AppendItems(popup, *item.submenu);
      AppendMenuW(target, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                  item.caption.c_str());
    } else {
      AppendMenuW(target, flags, item.command, item.caption.c_str());
    }
  }
}

}  // namespace

std::uint32_t MenuBarOf(std::uint32_t window) {
  constexpr std::uint32_t kMainWindow = 1;
  constexpr std::uint32_t kMainMenu = 7;
  return window == kMainWindow ? kMainMenu : 0;
}

HMENU BuildMenu(const schema::MenuView& menu) {
  HMENU target = menu.type == schema::kMenuBarType ? CreateMenu() : CreatePopupMenu();
  AppendItems(target, menu);
  return target;
}

MenuCount CountMenu(HMENU menu) {
  MenuCount count;
  count.items = GetMenuItemCount(menu);
  for (int i = 0; i < count.items; ++i) {
    if (HMENU submenu = GetSubMenu(menu, i)) count.submenus.push_back(CountMenu(submenu));
  }
  return count;
}

MenuCount CountMenu(const schema::MenuView& menu) {
  MenuCount count;
  count.items = static_cast<int>(menu.items.size());
  for (const schema::MenuItemView& item : menu.items) {
    if (item.submenu) count.submenus.push_back(CountMenu(*item.submenu));
  }
  return count;
}

}  // namespace ctrlelem_view
