#include "ctrlelem_pack/schema/readers.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ctrlelem::schema {
namespace {

__val U(int key, std::uint32_t value) { return __val(key, static_cast<unsigned long>(value)); }
__val P(int key, const __packet& packet) { return __val(key, packet.data()); }
__val W(int key, const wchar_t* text) { return __val(key, std::wstring(text)); }

__packet Image(std::uint32_t id) {
  __packet image(kImage);
  image << U(1, id) << U(2, 200) << U(3, 0) << U(4, 0x6) << __val(5, RECT{0, 0, 16, 16});
  return image;
}

__packet Caption(const wchar_t* text) {
  __packet caption(kText);
  caption << U(1, 1) << W(2, text);
  return caption;
}

// What a visit saw: key, and the child's element id or -1 for no packet.
std::vector<std::pair<int, long long>> Visit(const __packet& container, std::uint32_t top) {
  std::vector<std::pair<int, long long>> seen;
  VisitChildren(container, top, [&](const ChildEntry& child) {
    seen.emplace_back(child.key,
                      child.packet ? static_cast<long long>(*(*child.packet)[1].u32()) : -1);
  });
  return seen;
}

// Each typed reader gives its value for a key of its type, wrong_type for a key
// of any other type and absent for a missing key.
TEST(TypedReaders, ReadTheirTypeOnly) {
  __packet packet;
  packet << U(1, 7) << __val(2, -7) << __val(3, SIZE{640, 480}) << __val(4, RECT{1, 2, 3, 4})
         << W(5, L"text") << P(6, Caption(L"nested"));
  const auto status_of = [&](auto read) {
    std::vector<ReadStatus> statuses;
    for (int key = 1; key <= 7; ++key) statuses.push_back(read(packet, key).status);
    return statuses;
  };
  const auto only = [](int key) {
    std::vector<ReadStatus> statuses(7, ReadStatus::wrong_type);
    statuses[6] = ReadStatus::absent;
    statuses[static_cast<std::size_t>(key - 1)] = ReadStatus::ok;
    return statuses;
  };
  EXPECT_EQ(status_of(ReadUnsigned), only(1));
  EXPECT_EQ(status_of(ReadSize), only(3));
  EXPECT_EQ(status_of(ReadRect), only(4));
  EXPECT_EQ(status_of(ReadPacket), only(6));
  EXPECT_EQ(ReadUnsigned(packet, 1).value, 7u);
  EXPECT_EQ(ReadSize(packet, 3).value, (SIZE{640, 480}));
  EXPECT_EQ(ReadRect(packet, 4).value, (RECT{1, 2, 3, 4}));
  EXPECT_EQ(ReadRect(packet, 3).value, RECT{});  // a failed read holds the zero value
  EXPECT_EQ(ReadPacket(packet, 6).value, Caption(L"nested"));
}

TEST(VisitChildren, VisitsKeysOneToTopAscendingAndReportsNonPackets) {
  __packet container;
  container << P(5, Image(105)) << P(1, Image(101)) << __val(3, std::string("junk")) << U(4, 7)
            << P(0, Image(100)) << P(-2, Image(98)) << P(9, Image(109));
  using Seen = std::vector<std::pair<int, long long>>;
  EXPECT_EQ(Visit(container, 6), (Seen{{1, 101}, {3, -1}, {4, -1}, {5, 105}}));
  EXPECT_EQ(Visit(container, 0), Seen{});
  // A hostile top key costs nothing extra: only stored keys are visited.
  EXPECT_EQ(Visit(container, 0xFFFFFFFFu).size(), 5u);
}

TEST(ReadContainer, TakesTheTopKeyFromTheOwner) {
  __packet children;
  children << P(1, Image(1)) << P(14, Image(14));
  __packet window(kWindow);
  window << U(9, 255) << P(10, children);
  ReadResult<ContainerView> read = ReadContainer(window, 10);
  ASSERT_TRUE(read);
  EXPECT_EQ(read.value.top_key, 255u);
  EXPECT_TRUE(read.value.top_key_stored);
  int visited = 0;
  VisitChildren(read.value, [&](const ChildEntry&) { ++visited; });
  EXPECT_EQ(visited, 2);

  // Without a usable count the container's own highest key serves.
  window < W(9, L"255");
  read = ReadContainer(window, 10);
  ASSERT_TRUE(read);
  EXPECT_EQ(read.value.top_key, 14u);
  EXPECT_FALSE(read.value.top_key_stored);

  window < __val(10, std::string("\x01\x02", 2));
  EXPECT_EQ(ReadContainer(window, 10).status, ReadStatus::not_a_packet);
  window < U(10, 0);
  EXPECT_EQ(ReadContainer(window, 10).status, ReadStatus::wrong_type);
  EXPECT_EQ(ReadContainer(window, 11).status, ReadStatus::absent);
}

TEST(ReadText, TellsTextZeroAbsentAndWrongType) {
  __packet text(kText);
  text << W(2, L"label") << U(5, 0) << U(6, 9) << __val(7, RECT{});
  const TextValue label = ReadText(text, 2);
  EXPECT_EQ(label.form, TextForm::text);
  EXPECT_EQ(label.text, L"label");
  EXPECT_EQ(ReadText(text, 5).form, TextForm::zero);
  EXPECT_EQ(ReadText(text, 6).form, TextForm::wrong_type);  // an unsigned other than 0
  EXPECT_EQ(ReadText(text, 7).form, TextForm::wrong_type);
  EXPECT_EQ(ReadText(text, 8).form, TextForm::absent);
}

__packet HintKeys(__packet hint) {
  hint << U(1, 1002) << U(2, 0x40) << U(3, 2) << W(4, L"title") << W(5, L"text") << U(6, 0x20);
  return hint;
}

TEST(ReadHint, AcceptsTheRecordWithOrWithoutKind) {
  for (const bool kinded : {true, false}) {
    const ReadResult<HintView> hint = ReadHint(HintKeys(kinded ? __packet(kHint) : __packet()));
    ASSERT_TRUE(hint) << kinded;
    EXPECT_EQ(hint.value.has_kind, kinded);
    EXPECT_EQ(hint.value.code, 1002u);
    EXPECT_EQ(hint.value.style, 0x40u);
    EXPECT_EQ(hint.value.icon, 2u);
    EXPECT_EQ(hint.value.title, L"title");
    EXPECT_EQ(hint.value.text, L"text");
    EXPECT_EQ(hint.value.flags, 0x20u);
  }
  EXPECT_EQ(ReadHint(HintKeys(__packet(kText))).status, ReadStatus::wrong_type);

  __packet missing = HintKeys(__packet(kHint));
  missing.remval(5);
  const ReadResult<HintView> partial = ReadHint(missing);
  EXPECT_EQ(partial.status, ReadStatus::malformed);
  EXPECT_EQ(partial.value.title, L"title");  // what could be read is kept
  EXPECT_EQ(ReadHint(HintKeys(__packet()) < U(4, 0)).status, ReadStatus::malformed);

  __packet owner(kInputField);
  owner << P(5, HintKeys(__packet())) << __val(6, std::string("no packet")) << U(7, 1);
  EXPECT_TRUE(ReadHint(owner, 5));
  EXPECT_EQ(ReadHint(owner, 6).status, ReadStatus::not_a_packet);
  EXPECT_EQ(ReadHint(owner, 7).status, ReadStatus::wrong_type);
  EXPECT_EQ(ReadHint(owner, 8).status, ReadStatus::absent);
}

TEST(ReadStateSet, ReadsBothSetsAndTheirShapes) {
  __packet layers;
  layers << P(1, Image(114)) << P(2, Image(116));
  __packet button(kButton);
  button << U(1, 1003) << U(2, 0x60);
  for (int state = 1; state <= kButtonStates; ++state) {
    const StateGroupKeys keys = GroupKeys(ButtonSet::first, state);
    button << P(keys.caption, Caption(L"Call")) << U(keys.count, 2) << P(keys.layers, layers);
  }
  StateSetView first = ReadStateSet(button, ButtonSet::first);
  EXPECT_EQ(first.presence, SetPresence::present);
  EXPECT_TRUE(first.uniform());
  for (const StateGroupView& group : first.groups) {
    EXPECT_EQ(group.shape, GroupShape::captioned_layers);
    ASSERT_TRUE(group.caption);
    EXPECT_EQ(ReadText(group.caption.value, 2).text, L"Call");
    EXPECT_EQ(group.layer_count.value, 2u);
    EXPECT_EQ(TopKeyOf(group.layers.value), 2);
  }
  EXPECT_EQ(first.groups[3].keys.caption, 15);
  EXPECT_EQ(ReadStateSet(button, ButtonSet::second).presence, SetPresence::absent);

  // The second set: captions with count 0 (a text-only look), one caption of
  // the wrong kind and one group missing its count.
  for (int state = 1; state <= kButtonStates; ++state) {
    const StateGroupKeys keys = GroupKeys(ButtonSet::second, state);
    button << P(keys.caption, state == 2 ? Image(1) : Caption(L"Hang up"));
    if (state != 4) button << U(keys.count, 0);
  }
  const StateSetView second = ReadStateSet(button, ButtonSet::second);
  EXPECT_EQ(second.presence, SetPresence::present);
  EXPECT_FALSE(second.uniform());
  EXPECT_EQ(second.groups[0].keys.caption, 19);
  EXPECT_EQ(second.groups[0].shape, GroupShape::caption_without_layers);
  EXPECT_EQ(second.groups[1].caption.status, ReadStatus::wrong_type);
  EXPECT_EQ(second.groups[3].shape, GroupShape::caption_only);
  EXPECT_EQ(second.groups[3].layers.status, ReadStatus::absent);

  // A layer container that is not a packet and a lone count.
  button < __val(8, std::string("junk"));
  button.remval(12);
  button.remval(14);
  first = ReadStateSet(button, ButtonSet::first);
  EXPECT_EQ(first.groups[0].layers.status, ReadStatus::not_a_packet);
  EXPECT_EQ(first.groups[0].shape, GroupShape::captioned_layers);
  EXPECT_EQ(first.groups[2].shape, GroupShape::irregular);

  __packet text_shaped(kButton);
  text_shaped << U(1, 972) << W(2, L"OK");
  EXPECT_EQ(ReadStateSet(text_shaped, ButtonSet::first).presence, SetPresence::no_state_groups);
  EXPECT_EQ(ReadStateSet(Image(1), ButtonSet::first).presence, SetPresence::no_state_groups);
}

__packet Submenu(const __packet& items, std::uint32_t count) {
  __packet submenu;
  submenu << U(1, kMenuPopupType) << U(2, count) << P(3, items);
  return submenu;
}

TEST(ReadMenu, ReadsItemsSeparatorsAndNestedSubmenus) {
  __packet inner_items;
  inner_items << U(1, 31150) << U(2, 2) << W(3, L"Deep") << U(4, 0) << U(5, 403);
  __packet items;
  items << U(1, 31121) << U(2, 0) << W(3, L"Open") << U(4, 422) << U(7, kMenuSeparator)
        << U(13, 31123) << U(14, 0) << W(15, L"More") << P(18, Submenu(inner_items, 1));
  __packet bar_items;
  bar_items << U(1, 31120) << U(2, 0) << W(3, L"File") << P(6, Submenu(items, 3));
  __packet menu(kMenu);
  menu << U(1, kMenuBarType) << U(2, 1) << P(3, bar_items);

  const ReadResult<MenuView> read = ReadMenu(menu);
  ASSERT_TRUE(read) << StatusName(read.status);
  EXPECT_EQ(read.value.type, kMenuBarType);
  ASSERT_EQ(read.value.items.size(), 1u);
  const MenuItemView& file = read.value.items[0];
  EXPECT_EQ(file.caption, L"File");
  EXPECT_FALSE(file.image);
  ASSERT_TRUE(file.submenu);
  const MenuView& popup = *file.submenu;
  EXPECT_EQ(popup.type, kMenuPopupType);
  EXPECT_EQ(popup.count, 3u);
  ASSERT_EQ(popup.items.size(), 3u);
  EXPECT_EQ(popup.items[0].image, 422u);
  EXPECT_TRUE(popup.items[1].separator);
  EXPECT_EQ(popup.items[1].index, 2);
  EXPECT_EQ(popup.items[2].index, 3);
  ASSERT_TRUE(popup.items[2].submenu);
  const MenuItemView& deep = popup.items[2].submenu->items.at(0);
  EXPECT_EQ(deep.command, 31150u);
  EXPECT_EQ(deep.flags, 2u);
  EXPECT_EQ(deep.image, 0u);
  EXPECT_EQ(deep.alternative, 403u);

  // A submenu beyond the limit is reported, not read.
  const ReadResult<MenuView> shallow = ReadMenu(menu, 1);
  EXPECT_EQ(shallow.status, ReadStatus::too_deep);
  EXPECT_EQ(shallow.value.items[0].submenu->items[2].submenu_status, ReadStatus::too_deep);
  EXPECT_FALSE(shallow.value.items[0].submenu->items[2].submenu);
}

TEST(ReadMenu, HostileInputGivesAStatus) {
  // Submenus nested far deeper than the limit: reading stops at the limit.
  __packet submenu = Submenu(__packet(), 0);
  for (int level = 0; level < 200; ++level) {
    __packet items;
    items << U(1, 1) << U(2, 0) << W(3, L"x") << P(6, submenu);
    submenu = Submenu(items, 1);
  }
  ReadResult<MenuView> read = ReadMenu(submenu);
  EXPECT_EQ(read.status, ReadStatus::too_deep);
  int levels = 0;
  for (const MenuView* menu = &read.value; !menu->items.empty() && menu->items[0].submenu;
       menu = &*menu->items[0].submenu) {
    ++levels;
  }
  EXPECT_EQ(levels, language::kMaxMenuDepth);
  EXPECT_EQ(ReadMenu(submenu, 1000).status, ReadStatus::too_deep);  // capped

  __packet items;
  items << W(1, L"not a command") << U(7, 2) << __val(12, std::string("junk")) << U(0, 1);
  read = ReadMenu(Submenu(items, 2));
  EXPECT_EQ(read.status, ReadStatus::malformed);
  ASSERT_EQ(read.value.items.size(), 2u);
  EXPECT_EQ(read.value.items[1].command, 2u);
  EXPECT_EQ(read.value.items[1].submenu_status, ReadStatus::not_a_packet);

  EXPECT_EQ(ReadMenu(Caption(L"no menu")).status, ReadStatus::wrong_type);
  __packet no_list(kMenu);
  no_list << U(1, kMenuBarType) << U(2, 0);
  EXPECT_EQ(ReadMenu(no_list).status, ReadStatus::malformed);
}

}  // namespace
}  // namespace ctrlelem::schema
