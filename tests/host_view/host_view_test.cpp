// The reference host's pieces that must agree with the library: its text
// measurement with the screen layer the descriptions were sized with, its real
// menus with the menu descriptions, its tooltips with the hints, and the
// description edits its splitter makes with the layout model's panes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "description_paths.h"
#include "fonts.h"
#include "library.h"
#include "menus.h"
#include "screen/profile.h"
#include "screen/screen.h"
#include "tooltips.h"

namespace ctrlelem_view {
namespace {

namespace layout = ctrlelem::layout;
namespace schema = ctrlelem::schema;

// The library, loaded and built once for all tests.
const PacketLibrary& Library() {
  static PacketLibrary* const library = [] {
    auto* loaded = new PacketLibrary;
    const std::wstring error = loaded->Load();
    EXPECT_TRUE(error.empty()) << std::string(error.begin(), error.end());
    loaded->Init();
    return loaded;
  }();
  return *library;
}

TEST(HostView, MeasuresTextAsTheScreenLayerDoes) {
  const int resolutions[] = {96, 120, 144};
  const layout::Font fonts[] = {{L"DejaVu Sans", 9, 400, false},
                                {L"DejaVu Sans", 8, 700, false},
                                {L"DejaVu Sans", 12, 400, false},
                                {L"Tahoma", 8, 400, false}};
  const std::vector<std::wstring> texts = {L"", L"Sign in", L"What would you like to do?",
                                           L"\x00c4nderungen \x00fc\x00f6", L"Mute Sounds\t&x"};
  const std::vector<std::wstring_view> views(texts.begin(), texts.end());
  for (const int dpi : resolutions) {
    screen::Profile profile;
    ASSERT_FALSE(screen::ParseDpi(std::to_string(dpi), profile));
    ASSERT_FALSE(screen::SetProfile(profile));
    FontCache cache(dpi);
    GdiMeasurer measurer(cache);
    for (const layout::Font& font : fonts) {
      const screen::FontRequest request{font.face, font.point_size, font.weight};
      const std::string what = std::to_string(dpi) + " dpi, " + std::to_string(font.point_size) +
                               " pt, weight " + std::to_string(font.weight);
      EXPECT_EQ(measurer.Widths(font, views), screen::Current().TextWidths(request, views)) << what;
      // Asked again: the kept measurements.
      EXPECT_EQ(measurer.Widths(font, views), screen::Current().TextWidths(request, views)) << what;
      EXPECT_EQ(measurer.LineHeight(font), screen::Current().LineHeight(request)) << what;
      EXPECT_EQ(measurer.CharacterHeight(font), -screen::FontHeight(font.point_size, dpi)) << what;
    }
  }
  ASSERT_FALSE(screen::SetProfile(screen::Profile{}));
}

// Item by item: a real menu's ids, grayed and disabled flags and submenus are
// the description's.
void ExpectSameMenu(HMENU real, const schema::MenuView& described, const std::string& where) {
  ASSERT_EQ(GetMenuItemCount(real), static_cast<int>(described.items.size())) << where;
  for (std::size_t i = 0; i < described.items.size(); ++i) {
    const schema::MenuItemView& item = described.items[i];
    const UINT position = static_cast<UINT>(i);
    const std::string at = where + " > item " + std::to_string(item.index);
    HMENU submenu = GetSubMenu(real, static_cast<int>(position));
    // Of an item that opens a submenu, the high byte counts the submenu's items.
    const UINT state = GetMenuState(real, position, MF_BYPOSITION) & (submenu ? 0xFFu : ~0u);
    EXPECT_EQ((state & MF_SEPARATOR) != 0, item.separator) << at;
    // A separator is never chosen: its own flags say nothing.
    if (!item.separator) {
      EXPECT_EQ((state & MF_GRAYED) != 0, (item.flags & MF_GRAYED) != 0) << at;
      EXPECT_EQ((state & MF_DISABLED) != 0, (item.flags & MF_DISABLED) != 0) << at;
    }
    EXPECT_EQ(submenu != nullptr, item.submenu.has_value()) << at;
    if (submenu && item.submenu) {
      ExpectSameMenu(submenu, *item.submenu, at);
    } else if (!item.separator) {
      EXPECT_EQ(GetMenuItemID(real, static_cast<int>(position)), item.command) << at;
    }
  }
}

TEST(HostView, RealMenusHoldTheirDescriptionsItems) {
  for (const std::uint32_t id : {7u, 8u, 12u}) {
    const schema::ReadResult<schema::MenuView> menu = schema::ReadMenu(Library().Get(id));
    ASSERT_TRUE(menu) << id;
    HMENU real = BuildMenu(menu.value);
    ExpectSameMenu(real, menu.value, std::to_string(id));
    const MenuCount counted = CountMenu(real);
    const MenuCount expected = CountMenu(menu.value);
    EXPECT_EQ(counted.items, expected.items) << id;
    EXPECT_EQ(counted.submenus.size(), expected.submenus.size()) << id;
    DestroyMenu(real);
  }
}

// Over every description: the tooltip shown before a click is the first
// ordinary hint, a checked button's is its second where it has one, and a
// warning balloon is never a hover tip but the warning of a field. Window 3's "Mute" button has
// both.
TEST(HostView, TooltipsShowTheHintOfTheFaceShown) {
  FontCache cache(96);
  GdiMeasurer measurer(cache);
  int hinted = 0;
  int seconds = 0;
  int mute = 0;
  int warnings = 0;
  for (std::uint32_t id = 1; id <= 157; ++id) {
    const __packet description = Library().Get(id);
    if (description.empty()) continue;
    for (const layout::Element& element : layout::LayOut(description, 0, 0, measurer).elements) {
      const layout::Hint* unchecked = HoverHint(element, false);
      const layout::Hint* checked = HoverHint(element, true);
      const layout::Hint* second = nullptr;
      bool ordinary = false;
      for (const layout::Hint& hint : element.hints) {
        ordinary = ordinary || hint.code != schema::kHintCodeBalloon;
        if (element.kind == schema::kButton && hint.key == schema::key::button::kSecondHint) {
          second = &hint;
        }
      }
      EXPECT_EQ(unchecked != nullptr, ordinary) << element.path;
      // Warnings stand on the fields, which are EDIT controls, never beside a
      // hover tip.
      if (const layout::Hint* warning = WarningHint(element)) {
        ++warnings;
        EXPECT_TRUE(element.kind == schema::kInputField || element.kind == schema::kEntryBox ||
                    element.kind == schema::kCaptionedField)
            << element.path;
        EXPECT_EQ(unchecked, nullptr) << element.path;
        EXPECT_EQ(warning->code, schema::kHintCodeBalloon) << element.path;
      }
      if (!unchecked) continue;
      ++hinted;
      EXPECT_NE(unchecked->code, schema::kHintCodeBalloon) << element.path;
      EXPECT_NE(unchecked, second) << element.path;
      EXPECT_EQ(checked, second ? second : unchecked) << element.path;
      if (second) ++seconds;
      if (id == 3 && unchecked->text == L"Mute your microphone") {
        EXPECT_EQ(TooltipText(*unchecked), L"Wembrix\r\nMute your microphone");
        EXPECT_EQ(TooltipText(*checked), L"Wembrix\r\nTurn your microphone back on");
        ++mute;
      }
    }
  }
  EXPECT_EQ(mute, 1);
  EXPECT_EQ(warnings, 15);
  EXPECT_EQ(hinted, 71);
  EXPECT_EQ(seconds, 19);
  // A hint with only a title, or only a text, is that line alone.
  layout::Hint title_only;
  title_only.title = L"Wembrix";
  EXPECT_EQ(TooltipText(title_only), L"Wembrix");
  layout::Hint text_only;
  text_only.text = L"Send a file";
  EXPECT_EQ(TooltipText(text_only), L"Send a file");
}

// Where a split view's second pane starts, along its axis.
struct Split {
  std::string path;
  int pane2 = 0;
};
Split FindSplit(const __packet& description) {
  FontCache cache(96);
  GdiMeasurer measurer(cache);
  const layout::Layout laid_out = layout::LayOut(description, 0, 0, measurer);
  Split split;
  for (const layout::Element& element : laid_out.elements) {
    if (element.kind == schema::kSplitView && split.path.empty()) split.path = element.path;
    if (!split.path.empty() && element.path.rfind(split.path + " > key 13 > child", 0) == 0) {
      split.pane2 = element.box.x + element.box.y;  // the other coordinate stays
      break;
    }
  }
  return split;
}

TEST(HostView, ASplitterDraggedInTheDescriptionMovesThePanes) {
  constexpr int kSizeKey = 6;
  constexpr std::uint32_t kMoveBy = 25;
  for (const std::uint32_t id : {2u, 3u}) {
    __packet description = Library().Get(id);
    const Split before = FindSplit(description);
    ASSERT_FALSE(before.path.empty()) << id;
    const std::optional<__packet> view = Resolve(description, before.path);
    ASSERT_TRUE(view) << before.path;
    const std::uint32_t size = schema::ReadUnsigned(*view, kSizeKey).value;
    ASSERT_TRUE(SetAtPath(description, before.path, kSizeKey, size + kMoveBy)) << before.path;
    EXPECT_EQ(schema::ReadUnsigned(*Resolve(description, before.path), kSizeKey).value,
              size + kMoveBy);
    EXPECT_EQ(FindSplit(description).pane2, before.pane2 + static_cast<int>(kMoveBy)) << id;
  }
  // A path through something that is not a packet changes nothing.
  __packet description = Library().Get(3);
  const __packet original = description;
  for (const std::string bad : {"3 > key 1", "3 > key 10 > child 9999", "3 > key x"}) {
    EXPECT_FALSE(Resolve(description, bad + " > key 2")) << bad;
    EXPECT_FALSE(SetAtPath(description, bad + " > key 2", kSizeKey, 1)) << bad;
    EXPECT_EQ(description, original) << bad;
  }
}

}  // namespace
}  // namespace ctrlelem_view
