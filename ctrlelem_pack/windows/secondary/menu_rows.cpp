#include "windows/secondary/menu_rows.h"

#include <string>
#include <utility>

#include "schema/writers.h"

namespace ctrlelem::secondary {
namespace {

// One entry of the menu bar: command, caption (string of table 1) and the
// rows of the submenu it opens.
struct MenuBarEntry {
  std::uint32_t command;
  int caption;
  MenuRows items;
};

constexpr MenuRow kHelp[] = {
    {31141, 0, 362, 429},
    {kSeparator},
    {31142, 0, 363, 430},
};

}  // namespace

__packet SubmenuOfRows(MenuRows rows) {
  schema::ItemList items;
  for (const MenuRow& row : rows) {
    if (row.command == kSeparator) {
      items.AddSeparator();
      continue;
    }
    std::optional<__packet> submenu;
    if (row.submenu != nullptr) submenu = SubmenuOfRows(*row.submenu);
    std::wstring caption = schema::Str(row.caption);
    if (row.opens_dialog) caption += L"...";
    items.Add({.command = row.command,
               .flags = row.flags,
               .caption = std::move(caption),
               .image = row.image,
               .alternative = row.alternative,
               .submenu = submenu});
  }
  return schema::Submenu(items);
}

__packet SplitViewMenuBar(const SplitViewMenus& menus) {
  const MenuBarEntry entries[] = {
      {31100, 333, menus.conversation}, {31110, 338, menus.edit}, {31120, 345, menus.view},
      {31130, 351, menus.actions},      {31140, 361, kHelp},
  };
  schema::ItemList bar;
  for (const MenuBarEntry& entry : entries) {
    bar.Add({.command = entry.command,
             .caption = schema::Str(entry.caption),
             .submenu = SubmenuOfRows(entry.items)});
  }
  return schema::MenuBar(bar);
}

}  // namespace ctrlelem::secondary
