// The split-view window 2: its panel, numbered across nested builders, and
// the control bar it shares with window 3.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "language/strings.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

// The outer split view follows the title strip.
class SplitViewWindow2Test : public SplitViewWindowTest {
 protected:
  SplitViewWindow2Test() : SplitViewWindowTest(2, 2) {}
  __packet Panel(const __packet& window) const { return FirstPane(window); }
};

// Key 1 of every child, in key order.
std::vector<std::uint32_t> ChildIds(const __packet& container) {
  std::vector<std::uint32_t> ids;
  for (int key : container.keys()) ids.push_back(U32(Nested(container, key), 1));
  return ids;
}

TEST_F(SplitViewWindow2Test, PanelKeysRunWithoutGapsThroughTheNestedPaneWindows) {
  const __packet window = Build();
  EXPECT_EQ(U32(window, 9), 5u);
  EXPECT_EQ(Nested(window, 10).keys(), KeysUpTo(5));
  EXPECT_EQ(U32(Outer(window), 12), 23u);
  EXPECT_EQ(U32(Inner(window), 12), 10u);

  const __packet panel = Panel(window);
  EXPECT_EQ(U32(Inner(window), 7), 47u);
  ASSERT_EQ(panel.keys(), KeysUpTo(47));
  const std::vector<std::uint32_t> ids = {
      0,    110,  111,  112,  113,  114, 115, 116,  117,  140,  141,  143,  144,  145, 187, 188,
      5009, 146,  5007, 192,  189,  190, 147, 151,  180,  195,  5013, 5010, 200,  194, 196, 197,
      198,  1030, 193,  5008, 5011, 149, 150, 1022, 1018, 1013, 184,  5003, 7001, 201, 211};
  EXPECT_EQ(ChildIds(panel), ids);

  const struct {
    int key;
    std::uint32_t id;
    int children;
  } panes[] = {{17, 5009, 4}, {36, 5008, 2}, {37, 5011, 6}};
  for (const auto& expected : panes) {
    const __packet pane = Nested(panel, expected.key);
    EXPECT_EQ(pane.kind(), ctrlelem::schema::kPaneWindow) << expected.id;
    EXPECT_EQ(U32(pane, 1), expected.id);
    // Resizable panes: flag word 6 and no initial size.
    EXPECT_EQ(pane.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10})) << expected.id;
    EXPECT_EQ(U32(pane, 4), 6u);
    EXPECT_EQ(U32(pane, 9), static_cast<std::uint32_t>(expected.children));
    EXPECT_EQ(Nested(pane, 10).keys(), KeysUpTo(expected.children)) << expected.id;
  }
  EXPECT_EQ(Wide(Nested(panel, 36), 2), L"");
}

TEST_F(SplitViewWindow2Test, PictureButtonsKeepTheirOddFourthStatePictures) {
  const __packet panel = Panel(Build());
  const __packet pane_5009 = Nested(Nested(panel, 17), 10);
  // Layer n of the container under `key`: its picture number.
  const auto picture = [](const __packet& button, int key, int layer) {
    return U32(At(button, {key, layer}), 2);
  };

  const __packet font = Nested(pane_5009, 4);
  ASSERT_EQ(U32(font, 1), 1012u);
  EXPECT_EQ(picture(font, 8, 1), 613u);
  EXPECT_EQ(picture(font, 17, 1), 0x40265u);
  EXPECT_EQ(Wide(Nested(font, 5), 5), L"Wem font");
  EXPECT_EQ(U32(Nested(font, 5), 1), 3u);

  for (int key = 2; key <= 4; ++key) {
    const __packet button = Nested(pane_5009, key);
    const std::uint32_t id = U32(button, 1);
    EXPECT_EQ(picture(button, 21, 1), 201u) << id;
    EXPECT_EQ(picture(button, 24, 2), 201u) << id;
    EXPECT_EQ(picture(button, 27, 2), 201u) << id;
    EXPECT_EQ(picture(button, 30, 1), 0x1020Fu) << id;
    EXPECT_EQ(U32(Nested(button, 18), 1), 3u) << id;
    EXPECT_EQ(Wide(Nested(button, 18), 5), Str(2047)) << id;
  }
  EXPECT_EQ(picture(Nested(pane_5009, 2), 17, 1), 228u + 0x10000u);

  // 1022 and 1018 differ only in their id and place.
  const __packet left = Nested(panel, 40);
  __packet right = Nested(panel, 41);
  EXPECT_EQ(Rect(right, 4), (RECT{545, 31, 22, 22}));
  right < left[1] < left[4];
  EXPECT_EQ(right, left);
}

TEST_F(SplitViewWindow2Test, StatusLinkStoresItsHintAfterItsStates) {
  const __packet status = Nested(Panel(Build()), 42);
  ASSERT_EQ(U32(status, 1), 1013u);
  EXPECT_EQ(status.keys(), (std::vector<int>{1, 2, 3, 4, 6, 7, 9, 10, 12, 13, 15, 16, 5}));
  EXPECT_EQ(Wide(Nested(status, 5), 5), Str(2055, 2));
}

// Window 3's bar as it stands, to compare with.
class ControlBarTest : public SplitViewWindow2Test {
 protected:
  void SetUp() override {
    SplitViewWindow2Test::SetUp();
    SetWidth(425, 90);
    SetWidth(824, 55);
    window3_bar_ = At(ctrlelem::catalogue::BuildDescription(3), {10, 1, 13});
    bar_ = ControlBar(Build());
  }
  __packet Own(int key) const { return Nested(bar_, key); }
  __packet Window3s(int key) const { return Nested(window3_bar_, key); }

  __packet bar_;
  __packet window3_bar_;
};

TEST_F(ControlBarTest, DiffersFromWindow3sOnlyWhereListed) {
  ASSERT_EQ(bar_.keys(), KeysUpTo(23));
  ASSERT_EQ(window3_bar_.keys(), KeysUpTo(22));
  for (int key = 1; key <= 11; ++key) EXPECT_EQ(Own(key), Window3s(key)) << key;

  // Moved elements: the same apart from their rectangle.
  const struct {
    int key;
    int window3_key;
    int rect_key;
    RECT rect;
  } moved[] = {
      {12, 12, 4, {100, 2, 52, 25}}, {13, 13, 5, {170, 2, 110, 26}}, {14, 14, 5, {178, 8, 39, 14}},
      {15, 15, 5, {234, 8, 39, 14}}, {17, 16, 4, {190, 7, 25, 26}},  {18, 17, 3, {160, 2, 150, 26}},
  };
  for (const auto& element : moved) {
    __packet own = Own(element.key);
    EXPECT_EQ(Rect(own, element.rect_key), element.rect) << element.key;
    own < Window3s(element.window3_key)[element.rect_key];
    EXPECT_EQ(own, Window3s(element.window3_key)) << element.key;
  }

  // The video link: its captions centre their text.
  __packet link = Own(19);
  for (int caption_key : {6, 9, 12, 15}) {
    __packet caption = Nested(link, caption_key);
    EXPECT_EQ(U32(caption, 8), 0x25u) << caption_key;
    caption < __val(8, 0x23ul);
    link < __val(caption_key, caption.data());
  }
  EXPECT_EQ(link, Window3s(18));

  for (int key = 20; key <= 23; ++key) EXPECT_EQ(Own(key), Window3s(key - 1)) << key;
}

TEST_F(ControlBarTest, NewLinkTurnsIntoABlackLabelInState4) {
  const __packet link = Own(16);
  EXPECT_EQ(U32(link, 1), 1017u);
  EXPECT_EQ(Rect(link, 4), (RECT{290, 8, 200, 14}));
  EXPECT_EQ(link.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 15, 16}));
  EXPECT_EQ(U32(Nested(link, 12), 3), 0xFF0000u);
  EXPECT_EQ(U32(Nested(link, 12), 7), 3u);
  EXPECT_EQ(U32(Nested(link, 15), 3), 0u);
  EXPECT_EQ(U32(Nested(link, 15), 7), 1u);
}

TEST_F(SplitViewWindow2Test, FramePaneAddsAFramedAreaToWindow3s) {
  const __packet window3_pane = At(ctrlelem::catalogue::BuildDescription(3), {10, 1, 8, 1, 13});
  const __packet pane = Nested(Inner(Build()), 13);
  ASSERT_EQ(pane.keys(), KeysUpTo(10));
  for (int key = 1; key <= 9; ++key) EXPECT_EQ(Nested(pane, key), Nested(window3_pane, key)) << key;
  EXPECT_EQ(Nested(pane, 10).kind(), ctrlelem::schema::kFramedArea);
}

TEST_F(SplitViewWindow2Test, InformationBarShowsBothFormattedTextsInOrder) {
  language_.emplace(
      "[table 1]\n1533 = first %s\n1534 = [[go|second %s]] end\n"
      "[table 2]\n1550 = one\n1551 = two\n");
  const __packet info = At(Build(), {10, 3});
  EXPECT_EQ(U32(info, 1), 1021u);
  EXPECT_EQ(U32(info, 13), 2u);
  EXPECT_EQ(BarTexts(info), (std::vector<std::wstring>{L"first one", L"second two end"}));
  EXPECT_EQ(Wide(At(info, {14, 2, 1}), 3), L"go");
}

TEST_F(SplitViewWindow2Test, FamilyKeepsToTheSchema) {
  ExpectNoFindings({2, 12, 17});
  // The control bar's child 21, one further on for the link the bar adds.
  ExpectOnlyFontButtonCountFindings(2, "2 > key 10 > child 2 > key 13 > child 21");
}

}  // namespace
}  // namespace secondary_test
