#include "windows/main/main_menu.h"

#include <optional>
#include <span>
#include <string_view>

#include "schema/writers.h"

namespace ctrlelem::main_window {
namespace {

using schema::kMenuSeparator;
using schema::Str;

// One fixed command item (or a separator: command kMenuSeparator, nothing else).
struct Row {
  std::uint32_t command;
  std::uint32_t flags = 0;
  int caption = 0;  // string of table 1
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> mark = std::nullopt;
  std::wstring_view caption_suffix = L"";  // added to the caption: "..." opens a dialog
};

constexpr Row kSeparator{kMenuSeparator};
constexpr std::uint32_t kMarked = kNoPictureMark;

constexpr Row kFileMenu[] = {
    {2005, 0, 301}, kSeparator, {2006, 0, 303, 401}, kSeparator, {2007, 0, 304, 402},
};

// The tools menu up to the language item, and after it.
constexpr Row kToolsMenuHead[] = {
    {2014, 2, 313, 404},
    {2015, 2, 314, 159},
    {2016, 2, 315, 405},
    {2137, 2, 365},
    {2031, 0, 1426, 409},
    {2017, 2, 316, 406},
    {2033, 0, 1487, 740, std::nullopt, L"..."},
    {2018, 2, 317, 407},
    {2019, 2, 319, 408},
    kSeparator,
};
constexpr std::uint32_t kChangeLanguageCommand = 2034;
constexpr Row kToolsMenuTail[] = {
    kSeparator,
    {2020, 0, 320, 409},
    {2021, 2, 321, 410},
};

constexpr Row kCallMenu[] = {
    {2022, 0, 323, std::nullopt, kMarked},
    {2023, 0, 324, 409},
    {2024, 0, 325},
};

constexpr Row kHelpMenu[] = {
    {2025, 0, 326, 411}, {2026, 0, 327},      {2027, 0, 328, std::nullopt, kMarked},
    {2028, 0, 329},      {2032, 0, 1429},     {2029, 0, 330},
    kSeparator,          {2030, 0, 332, 412},
};

void AddRows(schema::ItemList& items, std::span<const Row> rows) {
  for (const Row& row : rows) {
    if (row.command == kMenuSeparator) {
      items.AddSeparator();
      continue;
    }
    items.Add({.command = row.command,
               .flags = row.flags,
               .caption = Str(row.caption) + std::wstring(row.caption_suffix),
               .image = row.image,
               .alternative = row.mark,
               .submenu = std::nullopt});
  }
}

__packet SubmenuOf(std::span<const Row> rows) {
  schema::ItemList items;
  AddRows(items, rows);
  return schema::Submenu(items);
}

// The tools menu: its item count is whatever was added, the language item
// included, however long the language list is.
__packet ToolsMenu(const LanguageList& languages) {
  schema::ItemList items;
  AddRows(items, kToolsMenuHead);
  items.Add({.command = kChangeLanguageCommand,
             .flags = 0,
             .caption = LanguageMenuCaption(Str(1491)),
             .image = std::nullopt,
             .alternative = std::nullopt,
             .submenu = LanguageSubmenu(languages)});
  AddRows(items, kToolsMenuTail);
  return schema::Submenu(items);
}

// A bar item: command, caption and the submenu it opens.
schema::MenuItem BarItem(std::uint32_t command, int caption, __packet submenu) {
  return {.command = command,
          .flags = 0,
          .caption = Str(caption),
          .image = std::nullopt,
          .alternative = std::nullopt,
          .submenu = std::move(submenu)};
}

}  // namespace

__packet MainMenu(const LanguageList& languages) {
  schema::ItemList bar;
  bar.Add(BarItem(2000, 300, SubmenuOf(kFileMenu)));
  bar.Add(BarItem(2002, 312, ToolsMenu(languages)));
  bar.Add(BarItem(2003, 322, SubmenuOf(kCallMenu)));
  bar.Add(BarItem(2004, 326, SubmenuOf(kHelpMenu)));
  return schema::MenuBar(bar);
}

}  // namespace ctrlelem::main_window
