#include "windows/main/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ctrlelem_pack/schema/kind_table.h"
#include "language/infobar.h"
#include "main_family_test_support.h"
#include "schema/writers.h"

namespace {

using main_family_test::ScreenAt;
using test_support::At;
using test_support::Nested;
using test_support::Str;
using test_support::U32;
using test_support::Wide;

struct ScaleCase {
  int dpi_x;
  int dpi_y;
  SIZE small;  // keys 6 and 8
  SIZE large;  // key 7
};

class MainWindowScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(MainWindowScale, SizesFollowEachAxisTruncatedTowardZero) {
  const ScaleCase& c = GetParam();
  ScreenAt screen(c.dpi_x, c.dpi_y);
  const __packet window = ctrlelem::main_window::MainWindow(1);
  EXPECT_EQ(window[6].size(), c.small);
  EXPECT_EQ(window[7].size(), c.large);
  EXPECT_EQ(window[8].size(), c.small);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, MainWindowScale,
                         testing::Values(ScaleCase{96, 96, {289, 500}, {447, 1125}},
                                         // 361.25, 558.75 (not 559), 1406.25
                                         ScaleCase{120, 120, {361, 625}, {558, 1406}},
                                         // 433.5 (not 434), 670.5, 1687.5
                                         ScaleCase{144, 144, {433, 750}, {670, 1687}},
                                         // each axis takes its own factor
                                         ScaleCase{120, 96, {361, 500}, {558, 1125}},
                                         ScaleCase{96, 144, {289, 750}, {447, 1687}}));

class MainWindowChildren : public testing::Test {
 protected:
  ScreenAt screen_{96, 96};
  __packet window_ = ctrlelem::main_window::MainWindow(1);
  __packet children_ = Nested(window_, 10);

  __packet Child(int key) const { return Nested(children_, key); }
};

TEST_F(MainWindowChildren, FiftyOneChildrenUnderKeysUpTo57WithTheGroupsAtTheirKeys) {
  using namespace ctrlelem::schema;
  struct Run {
    int first, last, kind;
  };
  // clang-format off
  const Run runs[] = {
      {1, 1, kText}, {2, 3, kImage}, {5, 15, kImage}, {16, 22, kButton}, {23, 23, kImage},
      {24, 26, kButton}, {27, 27, kText}, {28, 30, kButton}, {31, 31, kCaptionedField},
      {32, 32, kEntryBox}, {33, 34, kText}, {35, 36, kPictureFrame}, {37, 38, kButton},
      {39, 39, kStringArea}, {40, 40, kText}, {41, 41, kButton}, {42, 43, kImage},
      {44, 44, kButton}, {49, 49, kInformationBar}, {51, 51, kText}, {52, 55, kButton},
      {56, 56, kText}, {57, 57, kHtmlView}};
  // clang-format on
  std::vector<int> keys;
  for (const Run& run : runs) {
    for (int key = run.first; key <= run.last; ++key) {
      keys.push_back(key);
      EXPECT_EQ(Child(key).kind(), run.kind) << "key " << key;
    }
  }
  EXPECT_EQ(keys.size(), 51u);
  EXPECT_EQ(children_.keys(), keys);  // 4, 45 to 48 and 50 absent
  EXPECT_EQ(U32(window_, 9), 57u);
}

// ---- The row of five picture buttons: button 16 with a row's values put in
// must give that row's button.

struct RowDifference {
  int key;
  unsigned long id;
  RECT rect;
  unsigned long hint_code;
  int hint;  // table 1
  int caption;
  unsigned long icon_id;
  unsigned long icon_image;
  RECT icon_rect;
};

void Store(__packet& packet, int key, const __packet& nested) {
  packet < __val(key, nested.data());
}

__packet Patched(__packet button, const RowDifference& row) {
  button < __val(1, row.id);
  button < __val(4, row.rect);
  __packet hint = Nested(button, 5);
  hint < __val(1, row.hint_code);
  hint < __val(5, Str(row.hint));
  Store(button, 5, hint);
  __packet caption = Nested(button, 6);
  caption < __val(2, Str(row.caption));
  for (int key : {6, 9, 12, 15}) Store(button, key, caption);
  __packet icon = At(button, {8, 1});
  icon < __val(1, row.icon_id);
  icon < __val(2, row.icon_image);
  icon < __val(5, row.icon_rect);
  for (auto [container_key, item] : {std::pair{8, 1}, {11, 2}, {14, 2}, {17, 1}}) {
    __packet layers = Nested(button, container_key);
    Store(layers, item, icon);
    Store(button, container_key, layers);
  }
  return button;
}

TEST_F(MainWindowChildren, RowButtonsDifferFromTheFirstOnlyInTheirOwnValues) {
  const __packet first = Child(16);
  EXPECT_EQ(Wide(Nested(first, 5), 5), Str(2017, 2));  // the only hint from table 2
  EXPECT_EQ(U32(At(first, {11, 1}), 2), 136u);
  EXPECT_EQ(U32(At(first, {14, 1}), 2), 691u);
  const RowDifference rows[] = {
      {17, 1003, {55, 57, 55, 53}, 2, 2018, 12, 116, 219, {0, -4, 24, 22}},
      {18, 1004, {0, 57, 55, 53}, 3, 2019, 13, 117, 160, {0, -4, 24, 24}},
      {19, 1005, {-55, 57, 55, 53}, 2, 2020, 14, 118, 223, {0, -4, 24, 24}},
      {20, 1006, {110, 57, 55, 53}, 2, 2021, 15, 119, 667, {0, -4, 24, 24}},
  };
  for (const RowDifference& row : rows) EXPECT_EQ(Patched(first, row), Child(row.key)) << row.key;
}

// ---- Two-set buttons and values carried over from an earlier child ------------

TEST_F(MainWindowChildren, TwoSetButtonsStoreTheSecondHintRightAfterTheFirst) {
  for (int key : {21, 22, 24, 25, 26}) {
    const std::vector<int> keys = Child(key).keys();
    ASSERT_GE(keys.size(), 7u);
    EXPECT_EQ(std::vector<int>(keys.begin(), keys.begin() + 7),
              (std::vector<int>{1, 2, 3, 4, 5, 18, 6}))
        << key;
    EXPECT_EQ(U32(Nested(Child(key), 5), 1), 2u);
    EXPECT_EQ(U32(Nested(Child(key), 18), 1), 3u);
  }
  // The sign-in options: a caption and count 0 in all eight states, no layers.
  EXPECT_EQ(Child(24).keys(), (std::vector<int>{1,  2,  3,  4,  5,  18, 6,  7,  9,  10, 12,
                                                13, 15, 16, 19, 20, 22, 23, 25, 26, 28, 29}));
}

TEST_F(MainWindowChildren, TabsChangeOnlyTheSecondSetsBackgroundInStates2And3) {
  for (int key : {21, 22}) {
    const __packet tab = Child(key);
    for (int layers : {11, 14, 17}) EXPECT_EQ(Nested(tab, layers), Nested(tab, 8));
    EXPECT_EQ(Nested(tab, 30), Nested(tab, 21));
    EXPECT_EQ(Nested(tab, 27), Nested(tab, 24));
    EXPECT_NE(Nested(tab, 24), Nested(tab, 21));
  }
  // Irregular numbers that a pattern would get wrong.
  EXPECT_EQ(U32(At(Child(21), {24, 2}), 1), 120u);
  EXPECT_EQ(U32(At(Child(22), {24, 3}), 2), 114u);
}

TEST_F(MainWindowChildren, CarriedOverValues) {
  // The push buttons keep the sign-up link's icon container with count 0.
  const __packet sign_up_icon = At(Child(28), {8, 1});
  for (int key : {30, 37}) {
    for (int state = 0; state < 4; ++state) {
      EXPECT_EQ(U32(Child(key), 7 + 3 * state), 0u);
      EXPECT_EQ(At(Child(key), {8 + 3 * state, 1}), sign_up_icon) << key;
    }
  }
  // The text links keep nothing of the button before them.
  for (int key : {29, 38}) {
    EXPECT_EQ(Child(key).keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 12, 15})) << key;
  }
  const __val empty = Child(39)[5];
  ASSERT_NE(empty.bytes(), nullptr);
  EXPECT_TRUE(empty.bytes()->empty());
  // The first task link's caption has style 3 and a hint of table 2.
  EXPECT_EQ(U32(Nested(Child(52), 6), 7), 3u);
  EXPECT_EQ(Wide(Nested(Child(52), 5), 5), Str(2042, 2));
  for (int key = 53; key <= 55; ++key) EXPECT_EQ(U32(Nested(Child(key), 6), 7), 2u) << key;
}

TEST_F(MainWindowChildren, WelcomeBarParsesItsThreeTextsInOrder) {
  const __packet bar = Child(49);
  EXPECT_EQ(U32(bar, 13), 3u);
  const __packet icons = Nested(bar, 12);
  for (int item = 1; item <= 3; ++item) EXPECT_EQ(U32(Nested(icons, item), 1), 149u + item);

  __packet expected;
  std::vector<std::wstring> texts;
  for (int pattern : {1528, 1529, 1530}) {
    std::wstring text = Str(pattern);
    const std::size_t at = text.find(L"%s");
    ASSERT_NE(at, std::wstring::npos) << pattern;
    texts.push_back(text.replace(at, 2, Str(449, 2)));
    ParseInformationBarText(&expected, texts.back());
  }
  ASSERT_NE(texts[0], texts[1]);  // otherwise the order would not show
  ASSERT_NE(texts[1], texts[2]);
  EXPECT_EQ(Nested(bar, 14), expected);
}

}  // namespace
