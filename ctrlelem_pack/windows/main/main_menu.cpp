#include "windows/main/main_menu.h"

#include <optional>

#include "schema/writers.h"

namespace ctrlelem::main_window {
namespace {

using schema::kMenuItemDisabled;
using schema::MenuRow;
using schema::Str;

constexpr MenuRow kSeparator{schema::kMenuSeparator};
constexpr std::uint32_t kMarked = schema::kMenuNoPicture;

constexpr MenuRow kFileMenu[] = {
    {2005, 0, 301}, kSeparator, {2006, 0, 303, 401}, kSeparator, {2007, 0, 304, 402},
};

// The tools menu up to the language item, and after it.
constexpr MenuRow kToolsMenuHead[] = {
    {2014, kMenuItemDisabled, 313, 404},
    {2015, kMenuItemDisabled, 314, 159},
    {2016, kMenuItemDisabled, 315, 405},
    {2137, kMenuItemDisabled, 365},
    {2031, 0, 1426, 409},
    {2017, kMenuItemDisabled, 316, 406},
    {.command = 2033, .caption = 1487, .image = 740, .opens_dialog = true},
    {2018, kMenuItemDisabled, 317, 407},
    {2019, kMenuItemDisabled, 319, 408},
    kSeparator,
};
constexpr std::uint32_t kChangeLanguageCommand = 2034;
constexpr MenuRow kToolsMenuTail[] = {
    kSeparator,
    {2020, 0, 320, 409},
    {2021, kMenuItemDisabled, 321, 410},
};

constexpr MenuRow kCallMenu[] = {
    {2022, 0, 323, std::nullopt, kMarked},
    {2023, 0, 324, 409},
    {2024, 0, 325},
};

constexpr MenuRow kHelpMenu[] = {
    {2025, 0, 326, 411}, {2026, 0, 327},      {2027, 0, 328, std::nullopt, kMarked},
    {2028, 0, 329},      {2032, 0, 1429},     {2029, 0, 330},
    kSeparator,          {2030, 0, 332, 412},
};

// The tools menu: its item count is whatever was added, the language item
// included, however long the language list is.
__packet ToolsMenu(const LanguageList& languages) {
  schema::ItemList items;
  schema::AddMenuRows(items, kToolsMenuHead);
  items.Add({.command = kChangeLanguageCommand,
             .caption = LanguageMenuCaption(Str(1491)),
             .submenu = LanguageSubmenu(languages)});
  schema::AddMenuRows(items, kToolsMenuTail);
  return schema::Submenu(items);
}

}  // namespace

__packet MainMenu(const LanguageList& languages) {
  const schema::MenuBarEntry bar[] = {
      {2000, 300, schema::SubmenuOfRows(kFileMenu)},
      {2002, 312, ToolsMenu(languages)},
      {2003, 322, schema::SubmenuOfRows(kCallMenu)},
      {2004, 326, schema::SubmenuOfRows(kHelpMenu)},
  };
  return schema::MenuBarOf(bar);
}

}  // namespace ctrlelem::main_window
