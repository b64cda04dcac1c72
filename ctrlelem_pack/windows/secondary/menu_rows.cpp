#include "windows/secondary/menu_rows.h"

namespace ctrlelem::secondary {
namespace {

constexpr MenuRow kHelp[] = {
    {31141, 0, 362, 429},
    {kSeparator},
    {31142, 0, 363, 430},
};

}  // namespace

__packet SplitViewMenuBar(const SplitViewMenus& menus) {
  using schema::SubmenuOfRows;
  const schema::MenuBarEntry entries[] = {
      {31100, 333, SubmenuOfRows(menus.conversation)},
      {31110, 338, SubmenuOfRows(menus.edit)},
      {31120, 345, SubmenuOfRows(menus.view)},
      {31130, 351, SubmenuOfRows(menus.actions)},
      {31140, 361, SubmenuOfRows(kHelp)},
  };
  return schema::MenuBarOf(entries);
}

}  // namespace ctrlelem::secondary
