#include "ctrlelem_pack/schema/checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "language/infobar.h"

namespace ctrlelem::schema {

void PrintTo(const Finding& finding, std::ostream* out) {
  *out << '"' << finding.path << ": " << finding.reason << '"';
}

namespace {

using catalogue::CheckFacts;
using Findings = std::vector<Finding>;

__val U(int key, std::uint32_t value) { return __val(key, static_cast<unsigned long>(value)); }
__val P(int key, const __packet& packet) { return __val(key, packet.data()); }
__val W(int key, const wchar_t* text) { return __val(key, std::wstring(text)); }

__packet Image(std::uint32_t anchor = 0x6) {
  __packet image(kImage);
  image << U(1, 100) << U(2, 200) << U(3, 0) << U(4, anchor) << __val(5, RECT{0, 0, 16, 16});
  return image;
}

__packet Caption() {
  __packet text(kText);
  text << U(1, 1) << W(2, L"caption") << U(3, 0) << U(4, 0xFF00FF) << W(5, L"face") << U(6, 9)
       << U(7, 0) << U(8, 0x1) << U(9, 0x24) << __val(10, RECT{0, 35, 0, 16});
  return text;
}

// A text element painting a plain area: text and face are the unsigned 0.
__packet BackgroundFill() {
  __packet text = Caption();
  text < U(2, 0) < U(5, 0) < U(6, 0) < U(8, 0) < U(9, 0x60);
  return text;
}

__packet HintRecord(std::optional<int> kind = kHint) {
  __packet hint = kind ? __packet(*kind) : __packet();
  hint << U(1, 2) << U(2, 0) << U(3, 0) << W(4, L"title") << W(5, L"text") << U(6, 0x10);
  return hint;
}

__packet Layers(int count) {
  __packet layers;
  for (int key = 1; key <= count; ++key) layers << P(key, Image());
  return layers;
}

// A picture button with a caption: every state one caption and `layers` layers.
__packet PictureButton(std::uint32_t control = 1001, int layers = 1) {
  __packet button(kButton);
  button << U(1, control) << U(2, 0x60) << U(3, 0x6) << __val(4, RECT{0, 0, 55, 53})
         << P(5, HintRecord());
  for (int state = 1; state <= kButtonStates; ++state) {
    const StateGroupKeys keys = GroupKeys(ButtonSet::first, state);
    button << P(keys.caption, Caption()) << U(keys.count, static_cast<std::uint32_t>(layers))
           << P(keys.layers, Layers(layers));
  }
  return button;
}

__packet InputField(__val hint) {
  __packet field(kInputField);
  field << U(1, 1001) << U(2, 8) << U(3, 0x6) << __val(4, RECT{71, 32, 165, 20}) << hint;
  return field;
}

__packet Container(std::initializer_list<__packet> children) {
  __packet container;
  int key = 0;
  for (const __packet& child : children) container << P(++key, child);
  return container;
}

__packet Window(std::uint32_t id, const __packet& children, int kind = kWindow) {
  __packet window(kind);
  window << U(1, id) << W(2, L"caption") << U(3, 5) << U(4, 0x200) << U(5, 0)
         << __val(6, SIZE{100, 100}) << __val(7, SIZE{0, 0}) << __val(8, SIZE{100, 100})
         << U(9, static_cast<std::uint32_t>(children.size())) << P(10, children);
  return window;
}

// Checks the child as the only child of window 1; its path is kChild.
Findings CheckChild(const __packet& child) {
  return CheckDescription(1, Window(1, Container({child})), CheckFacts());
}
constexpr const char* kChild = "1 > key 10 > child 1";
std::string At(const std::string& rest) { return std::string(kChild) + rest; }

Findings One(const std::string& path, const std::string& reason) { return {{path, reason}}; }

TEST(Checker, AcceptsEveryFormTheSchemaAllows) {
  __packet info_texts;
  ParseInformationBarText(&info_texts, L"Plain text and a [[go|link]]");
  ParseInformationBarText(&info_texts, L"Second text");
  __packet info_bar(kInformationBar);
  info_bar << U(1, 1021) << U(2, 0x30) << __val(3, RECT{0, 20, 0, 20}) << U(4, 0) << U(5, 0xC0F3FF)
           << U(6, 0xFF0000) << U(7, 0xFF) << W(8, L"face") << U(9, 9) << U(10, 0) << U(11, 3)
           << P(12, Layers(3)) << U(13, 2) << P(14, info_texts);

  __packet text_only(kButton);  // captions with count 0, in both sets, key 18 after key 5
  text_only << U(1, 1004) << U(2, 0x65) << U(3, 0x6) << __val(4, RECT{10, 5, 70, 20})
            << P(5, HintRecord()) << P(18, HintRecord());
  for (const ButtonSet set : {ButtonSet::first, ButtonSet::second}) {
    for (int state = 1; state <= kButtonStates; ++state) {
      text_only << P(GroupKeys(set, state).caption, Caption()) << U(GroupKeys(set, state).count, 0);
    }
  }
  __packet text_shaped(kButton);  // the second dialog family's button
  text_shaped << U(1, 972) << W(2, L"OK") << U(3, 0) << U(4, 0xFF00FF) << W(5, L"face") << U(6, 0)
              << U(7, 0) << U(8, 0) << U(9, 0) << __val(10, RECT{77, 56, 152, 79});

  __packet styled_area(kStyledArea);
  styled_area << U(1, 5005) << U(2, 6) << U(3, 0x60) << __val(4, RECT{7, 65, 20, 9}) << __val(5, 0);

  __packet children = Container({
      BackgroundFill(),
      Image(0x180),
      PictureButton(1003, 2),
      text_only,
      text_shaped,
      InputField(P(5, HintRecord())),
      InputField(P(5, HintRecord(std::nullopt))),
      InputField(__val(5, std::string())),
      InputField(P(5, __packet())),
      info_bar,
      styled_area,
      Window(5009, Container({Image()}), kPaneWindow),
  });
  children << P(40, Image());  // keys may leave gaps below the top key
  __packet window = Window(1, children);
  window < U(9, 57);  // and the top key may lie above every child
  window.remval(7);   // keys 3 and 5 to 8 are optional
  EXPECT_EQ(CheckDescription(1, window, CheckFacts()), Findings());
}

TEST(Checker, KindsAndKeys) {
  EXPECT_EQ(CheckChild(__packet(14)), One(kChild, "kind 14 is not a kind in use"));
  EXPECT_EQ(CheckChild(__packet()), One(kChild, "an element without kind"));
  EXPECT_EQ(CheckChild(HintRecord()), One(kChild, "kind 5 (hint) does not stand in a container"));
  EXPECT_EQ(CheckChild(Image() << U(6, 1)),
            One(At(" > key 6"), "not a key of kind 2 (image element)"));
  EXPECT_EQ(CheckChild(Image() < __val(5, SIZE{1, 2})),
            One(At(" > key 5"), "holds a SIZE; rect takes a RECT"));
  __packet no_rect = Image();
  no_rect.remval(5);
  EXPECT_EQ(CheckChild(no_rect), One(kChild, "key 5 (rect) is missing"));
}

TEST(Checker, TextKeysTakeTheUnsignedZeroOnly) {
  EXPECT_EQ(CheckChild(BackgroundFill()), Findings());
  EXPECT_EQ(
      CheckChild(Caption() < U(5, 7)),
      One(At(" > key 5"), "holds the unsigned 7; only the unsigned 0 stands in for a wide string"));
  EXPECT_EQ(
      CheckChild(Caption() < __val(2, -1)),
      One(At(" > key 2"), "holds a signed integer; text takes a wide string or the unsigned 0"));
  // The text-shaped button has no second form.
  __packet button(kButton);
  button << U(1, 972) << W(2, L"OK") << U(3, 0) << U(4, 0) << U(5, 0) << U(6, 0) << U(7, 0)
         << U(8, 0) << U(9, 0) << __val(10, RECT{});
  EXPECT_EQ(CheckChild(button),
            One(At(" > key 5"), "holds an unsigned; font face takes a wide string"));
}

TEST(Checker, NestedPacketsHaveTheirFixedKinds) {
  EXPECT_EQ(
      CheckChild(PictureButton() < P(9, Image())),
      One(At(" > key 9"), "holds kind 2 (image element) where kind 3 (text element) belongs"));
  EXPECT_EQ(CheckChild(PictureButton() < P(5, Caption())),
            One(At(" > key 5"),
                "holds kind 3 (text element) where a hint (kind 5, or its six keys without kind) "
                "belongs"));
  EXPECT_EQ(CheckChild(PictureButton() < P(11, Container({Caption()}))),
            One(At(" > key 11 > layer 1"),
                "holds kind 3 (text element) where kind 2 (image element) belongs"));
  EXPECT_EQ(CheckChild(PictureButton() < P(11, Image())),
            One(At(" > key 11"),
                "holds kind 2 (image element) where a container without kind "
                "belongs"));
  EXPECT_EQ(CheckChild(PictureButton() < __val(8, std::string("xyz"))),
            One(At(" > key 8"), "holds 3 bytes that are not a packet"));
  // A hint record without kind is checked against the hint's keys.
  EXPECT_EQ(CheckChild(InputField(P(5, HintRecord(std::nullopt) < U(4, 1)))),
            One(At(" > key 5 > key 4"), "holds an unsigned; title takes a wide string"));
  EXPECT_EQ(CheckChild(InputField(P(5, __packet(kText)))),
            One(At(" > key 5"),
                "holds kind 3 (text element) where a hint (kind 5, or its six "
                "keys without kind) belongs"));
  __packet string_field(kStringField);
  string_field << U(1, 7002) << U(2, 0) << U(3, 0x6) << __val(4, RECT{}) << P(5, __packet());
  EXPECT_EQ(CheckChild(string_field),
            One(At(" > key 5"), "holds 14 bytes; this key holds the empty byte string"));
}

TEST(Checker, ContainersHoldPacketsUpToTheTopKey) {
  __packet children = Container({Image(), Image()});
  children << __val(3, std::string("not a packet")) << U(4, 5) << P(0, Image());
  __packet window = Window(1, children);
  window < U(9, 3);
  EXPECT_EQ(CheckDescription(1, window, CheckFacts()),
            (Findings{
                {"1 > key 10 > key 0", "not a key for children: they stand under keys from 1"},
                {"1 > key 10 > child 3", "holds 12 bytes that are not a packet"},
                {"1 > key 10 > child 4", "holds an unsigned, not a packet"},
                {"1 > key 10 > child 4", "above the top key 3 that key 9 (top child key) gives"},
            }));
  EXPECT_EQ(CheckDescription(1, Window(1, Container({Window(1, Container({}))})), CheckFacts()),
            One("1 > key 10 > child 1", "kind 1 (window) does not stand in a container"));
}

TEST(Checker, LayerCountsMatchTheirContainers) {
  EXPECT_EQ(CheckChild(PictureButton() < U(10, 2)),
            One(At(" > key 10"),
                "state 2 layer count is 2 but the top key of key 11 (state 2 layers) is 1"));
  __packet without_layers = PictureButton();
  without_layers.remval(14);
  EXPECT_EQ(CheckChild(without_layers),
            (Findings{{At(" > key 13"),
                       "state 3 layer count is 1 but key 14 (state 3 layers) is "
                       "absent"},
                      {kChild,
                       "the four state groups of the first set differ in shape: caption "
                       "with layers, caption with layers, caption with layer count 0, "
                       "caption with layers"}}));
  // The information bar's counts are exact too.
  __packet texts;
  ParseInformationBarText(&texts, L"one");
  __packet bar(kInformationBar);
  bar << U(1, 1021) << U(2, 0x30) << __val(3, RECT{}) << U(4, 0) << U(5, 0) << U(6, 0) << U(7, 0)
      << W(8, L"face") << U(9, 9) << U(10, 0) << U(11, 3) << P(12, Layers(3)) << U(13, 2)
      << P(14, texts);
  EXPECT_EQ(CheckChild(bar),
            One(At(" > key 13"), "text count is 2 but the top key of key 14 (texts) is 1"));
}

TEST(Checker, KnownExceptionsWaiveTheLayerCountRule) {
  __packet copy = PictureButton(1002, 2);  // counts 1 while the containers hold two layers
  for (int state = 1; state <= kButtonStates; ++state) {
    copy < U(GroupKeys(ButtonSet::first, state).count, 1);
  }
  const __packet window = Window(3, Container({copy}));
  EXPECT_EQ(CheckDescription(3, window, CheckFacts()), Findings());
  // Only for that description and that control.
  EXPECT_EQ(CheckDescription(3, window, {}).size(), 4u);
  EXPECT_EQ(CheckDescription(1, Window(1, Container({copy})), CheckFacts()).size(), 4u);
  const CheckException other_control[] = {{3, 1001, Rule::count_matches_container}};
  EXPECT_EQ(CheckDescription(3, window, {{}, other_control}).size(), 4u);
}

TEST(Checker, StateGroupsOfASetShareOneShape) {
  __packet button = PictureButton();
  button.remval(12);  // state 3 loses its caption: layers without caption
  EXPECT_EQ(CheckChild(button),
            One(kChild,
                "the four state groups of the first set differ in shape: caption with "
                "layers, caption with layers, layers without caption, caption with "
                "layers"));
  button = PictureButton();
  button.remval(9);
  button.remval(10);  // state 2 keeps only its layer container
  EXPECT_EQ(CheckChild(button),
            One(kChild,
                "state group 2 (keys 9 to 11) of the first set holds no caption, no "
                "layer count, layer container: no shape a state group takes"));
  button = PictureButton();
  for (int key = 6; key <= 17; ++key) button.remval(key);
  EXPECT_EQ(CheckChild(button), One(kChild, "no state groups (keys 6 to 17)"));
  // A second set that is all captions while the first has pictures is fine.
  button = PictureButton();
  for (int state = 1; state <= kButtonStates; ++state) {
    button << P(GroupKeys(ButtonSet::second, state).caption, Caption());
  }
  EXPECT_EQ(CheckChild(button), Findings());
  button.remval(GroupKeys(ButtonSet::second, 4).caption);
  EXPECT_EQ(CheckChild(button),
            One(kChild,
                "the four state groups of the second set differ in shape: caption only, "
                "caption only, caption only, absent"));
}

TEST(Checker, AnchorFlagsAreACombinationInUse) {
  EXPECT_EQ(CheckChild(Image(0x260)), Findings());
  EXPECT_EQ(CheckChild(Image(0x7)),
            One(At(" > key 4"), "anchor flags 0x7 are not a combination in use"));
  EXPECT_EQ(CheckChild(Caption() < U(9, 0x424)),
            One(At(" > key 9"), "anchor flags 0x424 are not a combination in use"));
}

// Anchor flags 0 read a text's rectangle as edges (an image's as origin and
// size); read as edges, it must not be inverted.
TEST(Checker, EdgesReadAsEdgesAreInOrder) {
  const struct {
    __packet element;
    Findings expected;
  } cases[] = {
      {Caption() < U(9, 0) < __val(10, RECT{10, 0, 10, 0}), {}},  // empty is fine
      {Caption() < U(9, 0) < __val(10, RECT{10, 0, 5, 4}),
       One(At(" > key 10"), "right edge 5 is left of the left edge 10")},
      {Caption() < U(9, 0) < __val(10, RECT{0, 8, 5, -4}),
       One(At(" > key 10"), "bottom edge -4 is above the top edge 8")},
      {Caption() < U(9, 0x6) < __val(10, RECT{10, 8, 5, 4}), {}},  // origin and size
      {Image(0) < __val(5, RECT{10, 8, 5, 4}), {}},                // origin and size
  };
  for (const auto& c : cases) EXPECT_EQ(CheckChild(c.element), c.expected);
}

// Menus: a bar of two items, the first opening a popup of three (the second
// a separator).
__packet Popup(std::uint32_t type = kMenuPopupType) {
  __packet items;
  items << U(1, 31101) << U(2, 0) << W(3, L"Open") << U(4, 413) << U(7, kMenuSeparator)
        << U(13, 31102) << U(14, 2) << W(15, L"Close") << U(16, 0) << U(17, 403);
  __packet popup;
  popup << U(1, type) << U(2, 3) << P(3, items);
  return popup;
}

__packet Bar(const __packet& popup = Popup()) {
  __packet items;
  items << U(1, 31100) << U(2, 0) << W(3, L"File") << P(6, popup) << U(7, 31110) << U(8, 0)
        << W(9, L"Edit");
  __packet bar(kMenu);
  bar << U(1, kMenuBarType) << U(2, 2) << P(3, items);
  return bar;
}

TEST(Checker, Menus) {
  EXPECT_EQ(CheckDescription(7, Bar(), CheckFacts()), Findings());
  EXPECT_EQ(CheckDescription(7, Bar() < U(2, 3), CheckFacts()),
            One("7 > key 2", "item count 3 but the item list holds 2 items (top key 9)"));
  EXPECT_EQ(CheckDescription(8, Bar() < U(1, kMenuPopupType), CheckFacts()),
            One("8 > key 1", "menu type 13 where a menu bar has type 12"));
  EXPECT_EQ(CheckDescription(12, Bar(Popup(kMenuBarType)), CheckFacts()),
            One("12 > key 3 > item 1 > key 6 > key 1", "menu type 12 where a submenu has type 13"));

  __packet separator_with_caption = Popup();
  __packet items = *separator_with_caption[3].as_packet();
  separator_with_caption < P(3, items << W(9, L"-"));
  EXPECT_EQ(CheckDescription(7, Bar(separator_with_caption), CheckFacts()),
            One("7 > key 3 > item 1 > key 6 > key 3 > item 2 > key 9",
                "a separator holds only its command id"));

  __packet kinded = Popup();
  __packet as_menu(kMenu);
  for (const __val& value : kinded.values()) as_menu << value;
  EXPECT_EQ(CheckDescription(7, Bar(as_menu), CheckFacts()),
            One("7 > key 3 > item 1 > key 6",
                "holds kind 10 (menu) where a submenu without kind belongs"));

  __packet bar = Bar();
  items = *bar[3].as_packet();
  bar < P(3, items << U(10, 5));
  EXPECT_EQ(CheckDescription(7, bar, CheckFacts()),
            One("7 > key 3 > item 2 > key 10", "an item of a menu bar holds no image keys"));

  items = *Bar()[3].as_packet();
  items.remval(9);
  EXPECT_EQ(CheckDescription(7, Bar() < P(3, items), CheckFacts()),
            One("7 > key 3 > item 2", "key 9 (caption) is missing"));
}

// Foreign menus: keys near INT_MAX and lists that break a rule at every key.
TEST(Checker, HostileMenusKeepKeysExactAndFindingsBounded) {
  // The command id of the last item stands at INT_MAX: its flags and caption
  // lie past it, and the messages name their keys as they are.
  __packet top;
  top << U(2147483647, 5);
  const Findings at_top = CheckDescription(7, Bar() < P(3, top) < U(2, 357913942), CheckFacts());
  EXPECT_EQ(at_top,
            (Findings{{"7 > key 3 > item 357913942", "key 2147483648 (item flags) is missing"},
                      {"7 > key 3 > item 357913942", "key 2147483649 (caption) is missing"}}));

  __packet many;
  for (int key = 1; key <= 6 * 2000; key += 6) many << W(key, L"not a command id");
  const Findings bounded = CheckDescription(7, Bar() < P(3, many) < U(2, 2000), CheckFacts());
  ASSERT_EQ(bounded.size(), 1001u);
  EXPECT_EQ(bounded.back(), (Finding{"7", "and 5000 more findings, not listed"}));
}

TEST(Checker, RegisteredDescriptionsAreWindowsOrMenus) {
  EXPECT_EQ(CheckDescription(5, __packet(), CheckFacts()),
            One("5", "the empty packet is no description"));
  EXPECT_EQ(CheckDescription(5, Image(), CheckFacts()),
            One("5",
                "kind 2 (image element) is not registered on its own: descriptions are "
                "windows (kind 1) or menus (kind 10)"));
  EXPECT_EQ(CheckDescription(7, Window(7, Container({})), CheckFacts()),
            One("7", "ids 7, 8 and 12 are menus (kind 10), not kind 1 (window)"));
  EXPECT_EQ(CheckDescription(9, Bar(), CheckFacts()),
            One("9", "menus are registered under ids 7, 8 and 12 only"));
  // Without the catalogue's menu ids any id may hold a window or a menu.
  EXPECT_EQ(CheckDescription(9, Bar(), {}), Findings());
  EXPECT_EQ(CheckDescription(7, Window(7, Container({})), {}), Findings());
  EXPECT_EQ(CheckDescription(9, Window(10, Container({})), CheckFacts()),
            One("9 > key 1", "element id 10 differs from the id the window is registered under"));
}

TEST(Checker, StopsAtTheNestingLimit) {
  // Pane windows inside pane windows: each adds two levels (pane, container).
  __packet pane = Window(5000, Container({}), kPaneWindow);
  for (int level = 0; level < 40; ++level) {
    pane = Window(5000, Container({pane}), kPaneWindow);
  }
  const Findings findings = CheckDescription(1, Window(1, Container({pane})), CheckFacts());
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].reason, "nested more than 64 packets deep: not checked further");
  EXPECT_EQ(std::count(findings[0].path.begin(), findings[0].path.end(), '>'), 64);
}

TEST(RegisteredDescriptions, KeepToTheSchema) {
  ResetRegistry();
  InitPacketsLib();
  for (const ElementId id : RegisteredIds()) {
    const Findings findings = CheckDescription(id, Lookup(id), CheckFacts());
    EXPECT_EQ(findings, Findings()) << "element id " << id;
  }
}

TEST(RegisteredDescriptions, EveryKnownExceptionIsStillNeeded) {
  ResetRegistry();
  InitPacketsLib();
  const std::vector<ElementId> ids = RegisteredIds();
  const CatalogueFacts facts = CheckFacts();
  const std::span<const CheckException> known = facts.exceptions;
  for (std::size_t i = 0; i < known.size(); ++i) {
    if (!std::binary_search(ids.begin(), ids.end(), known[i].description_id)) continue;
    std::vector<CheckException> others(known.begin(), known.end());
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
    EXPECT_FALSE(CheckDescription(known[i].description_id, Lookup(known[i].description_id),
                                  {facts.menu_description_ids, others})
                     .empty())
        << "exception for control " << known[i].control_id << " in element id "
        << known[i].description_id << " waives nothing";
  }
}

}  // namespace
}  // namespace ctrlelem::schema
