#include "windows/main/main_menu.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "main_family_test_support.h"
#include "windows/main/language_menu.h"

namespace {

using ctrlelem::main_window::LanguageLabel;
using ctrlelem::main_window::LanguageList;
using ctrlelem::main_window::LanguageMenuCaption;
using ctrlelem::main_window::LanguageSubmenu;
using ctrlelem::main_window::MainMenu;
using test_support::Nested;
using test_support::Str;
using test_support::U32;
using test_support::Wide;

constexpr std::uint32_t kSeparator = 0xFFFFFFFFu;

// One item read back from an item list: its command, which of its six keys
// are present, and its caption.
struct Item {
  std::uint32_t command;
  std::vector<int> slots;
  std::wstring caption;
  friend bool operator==(const Item&, const Item&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Item& item) {
    return out << "command " << item.command << ", " << item.slots.size() << " keys";
  }
};

// The items of a (sub)menu; nothing may follow the last counted item.
std::vector<Item> Items(const __packet& menu) {
  const __packet list = Nested(menu, 3);
  const int count = static_cast<int>(U32(menu, 2));
  std::vector<Item> items;
  for (int base = 0; base < 6 * count; base += 6) {
    Item item{U32(list, base + 1), {}, list.has(base + 3) ? Wide(list, base + 3) : L""};
    for (int slot = 1; slot <= 6; ++slot) {
      if (list.has(base + slot)) item.slots.push_back(slot);
    }
    items.push_back(item);
  }
  EXPECT_FALSE(list.has(6 * count + 1)) << "an item beyond the count";
  return items;
}

Item Language(std::uint32_t command, std::wstring label) { return {command, {1, 2, 3, 5}, label}; }

std::vector<Item> WithFixedTail(std::vector<Item> items) {
  items.push_back({kSeparator, {1}, L""});
  items.push_back({2135, {1, 2, 3}, Str(1494)});
  items.push_back({2136, {1, 2, 3}, Str(1503)});
  return items;
}

TEST(LanguageSubmenu, ItemsPerListInKeyOrder) {
  EXPECT_EQ(U32(LanguageSubmenu({}), 1), 13u);
  EXPECT_EQ(U32(LanguageSubmenu({}), 2), 3u);
  EXPECT_EQ(Items(LanguageSubmenu({})), WithFixedTail({}));
  EXPECT_EQ(Items(LanguageSubmenu({{L"C:\\langs\\de.lng", L"Deutsch"}})),
            WithFixedTail({Language(2100, L"Deutsch (de.lng)")}));
  // Command ids follow the keys, not the names.
  EXPECT_EQ(Items(LanguageSubmenu({{L"C:\\l\\b.lng", L"Alpha"}, {L"C:\\l\\a.lng", L"Zulu"}})),
            WithFixedTail({Language(2100, L"Zulu (a.lng)"), Language(2101, L"Alpha (b.lng)")}));
  EXPECT_EQ(U32(Nested(LanguageSubmenu({{L"x", L"X"}}), 3), 5), 403u);
}

TEST(LanguageSubmenu, ALongListStopsBeforeTheFixedItemsCommands) {
  LanguageList many;
  for (int i = 0; i < 40; ++i) many[L"k" + std::to_wstring(100 + i)] = L"L" + std::to_wstring(i);
  const std::vector<Item> items = Items(LanguageSubmenu(many));
  ASSERT_EQ(items.size(), 35u + 3u);
  EXPECT_EQ(items[34], Language(2134, L"L34"));
  EXPECT_EQ(std::vector<Item>(items.begin() + 35, items.end()), WithFixedTail({}));
}

TEST(LanguageLabel, FilePartAfterTheLastBackslash) {
  EXPECT_EQ(LanguageLabel(L"de.lng", L"Deutsch"), L"Deutsch");
  EXPECT_EQ(LanguageLabel(L"", L"Deutsch"), L"Deutsch");
  EXPECT_EQ(LanguageLabel(L"/usr/share/de.lng", L"Deutsch"), L"Deutsch");
  EXPECT_EQ(LanguageLabel(L"C:\\langs\\", L"Deutsch"), L"Deutsch ()");
  // Neither part is interpreted.
  EXPECT_EQ(LanguageLabel(L"x\\%d%s.lng", L"100% %s"), L"100% %s (%d%s.lng)");
  // No fixed buffer: parts far beyond 2048 characters survive whole.
  const std::wstring file(5000, L'f');
  const std::wstring name(3000, L'n');
  EXPECT_EQ(LanguageLabel(std::wstring(4000, L'd') + L"\\" + file, name),
            name + L" (" + file + L")");
}

TEST(LanguageMenuCaption, OnlyTheEnglishCaptionInAnyLetterCaseStaysBare) {
  EXPECT_EQ(LanguageMenuCaption(L"Change Lan&guage"), L"Change Lan&guage");
  EXPECT_EQ(LanguageMenuCaption(L"cHANGE lAN&GUAGE"), L"cHANGE lAN&GUAGE");
  EXPECT_EQ(LanguageMenuCaption(L"&Sprache \u00e4ndern"), L"&Sprache \u00e4ndern (Language)");
  EXPECT_EQ(LanguageMenuCaption(L"Change Language"), L"Change Language (Language)");
  EXPECT_EQ(LanguageMenuCaption(L"Change Lan&guage "), L"Change Lan&guage  (Language)");
}

TEST(MainMenu, ToolsMenuKeepsFourteenItemsWhateverTheLanguageList) {
  const std::vector<std::uint32_t> counts = {5, 14, 3, 8};
  for (const LanguageList& languages : {LanguageList{}, {{L"a\\x", L"X"}, {L"b\\y", L"Y"}}}) {
    const __packet menu = MainMenu(languages);
    EXPECT_EQ(U32(menu, 1), 12u);
    const std::vector<Item> bar = Items(menu);
    ASSERT_EQ(bar.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(bar[i].slots, (std::vector<int>{1, 2, 3, 6}));
      EXPECT_EQ(U32(Nested(Nested(menu, 3), 6 * i + 6), 2), counts[i]);
    }
    // Item 10 of the tools menu: the caption at key 63, the submenu at key 66.
    const __packet tools = Nested(Nested(menu, 3), 12);
    const std::vector<Item> items = Items(tools);
    EXPECT_EQ(items[10], (Item{2034, {1, 2, 3, 6}, LanguageMenuCaption(Str(1491))}));
    EXPECT_EQ(Nested(Nested(tools, 3), 66), LanguageSubmenu(languages));
    EXPECT_EQ(items[6].caption, Str(1487) + L"...");
    EXPECT_EQ(items[9], (Item{kSeparator, {1}, L""}));
  }
}

}  // namespace
