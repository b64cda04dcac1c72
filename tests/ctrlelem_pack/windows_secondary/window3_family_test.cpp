// The descriptions that follow window 3 in its family: the menu 8 and the
// panel 16.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "language/strings.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

class Window3FamilyTest : public SecondaryWindowTest {
 protected:
  static __packet Submenu(int n) { return SubmenuOf(ctrlelem::catalogue::BuildDescription(8), n); }
};

TEST_F(Window3FamilyTest, MenuBarHasFiveEntriesWithoutImages) {
  const __packet menu = ctrlelem::catalogue::BuildDescription(8);
  EXPECT_EQ(menu.kind(), ctrlelem::schema::kMenu);
  EXPECT_EQ(U32(menu, 1), 12u);
  EXPECT_EQ(U32(menu, 2), 5u);
  const __packet bar = Nested(menu, 3);
  const std::uint32_t commands[] = {31100, 31110, 31120, 31130, 31140};
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(ItemKeys(bar, n), (std::vector<int>{1, 2, 3, 6})) << n;
    EXPECT_EQ(U32(bar, 6 * (n - 1) + 1), commands[n - 1]);
  }
  EXPECT_EQ(bar.size(), 20u);
}

TEST_F(Window3FamilyTest, SeparatorsHoldOnlyTheirCommandAndTakeSixKeys) {
  const __packet conversation = Submenu(1);
  EXPECT_EQ(U32(conversation, 1), 13u);
  EXPECT_EQ(U32(conversation, 2), 6u);
  const __packet items = Nested(conversation, 3);
  EXPECT_EQ(ItemKeys(items, 2), (std::vector<int>{1}));
  EXPECT_EQ(U32(items, 7), 0xFFFFFFFFu);
  EXPECT_EQ(U32(items, 13), 31102u);  // the item after the separator

  const __packet actions = Nested(Submenu(4), 3);
  EXPECT_EQ(U32(Submenu(4), 2), 9u);
  EXPECT_EQ(ItemKeys(actions, 8), (std::vector<int>{1}));
  EXPECT_EQ(U32(actions, 43), 0xFFFFFFFFu);
  EXPECT_EQ(ItemKeys(actions, 9), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(U32(actions, 49), 31137u);
  EXPECT_EQ(U32(actions, 52), 428u);
  EXPECT_FALSE(actions.has(53));
}

TEST_F(Window3FamilyTest, ItemsCarryImageAnd403OnlyWhereGiven) {
  const __packet edit = Nested(Submenu(2), 3);
  EXPECT_EQ(U32(edit, 43), 31116u);
  EXPECT_EQ(ItemKeys(edit, 8), (std::vector<int>{1, 2, 3}));

  const __packet view = Nested(Submenu(3), 3);
  EXPECT_EQ(ItemKeys(view, 2), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(U32(view, 8), 2u);
  EXPECT_EQ(U32(view, 10), 0u);
  EXPECT_EQ(U32(view, 11), 403u);
  for (int n : {1, 3}) EXPECT_EQ(ItemKeys(view, n), (std::vector<int>{1, 2, 3, 4})) << n;
}

TEST_F(Window3FamilyTest, AddContactItemEndsInAnEllipsis) {
  const __packet actions = Nested(Submenu(4), 3);
  EXPECT_EQ(U32(actions, 13), 31139u);
  EXPECT_EQ(Wide(actions, 15), Str(1487) + L"...");
  EXPECT_EQ(U32(actions, 16), 740u);
}

TEST_F(Window3FamilyTest, PanelButtonsAreCaptionOnlyAndOnlyTheMiddleOneMarksState4) {
  const __packet children = Nested(ctrlelem::catalogue::BuildDescription(16), 10);
  const std::uint32_t ids[] = {1040, 1041, 1042};
  for (int i = 0; i < 3; ++i) {
    const __packet button = Nested(children, 4 + i);
    EXPECT_EQ(U32(button, 1), ids[i]);
    EXPECT_EQ(U32(button, 2), 0x41u);
    EXPECT_EQ(button.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 12, 15}));
    EXPECT_EQ(U32(Nested(button, 15), 7), i == 1 ? 8u : 0u) << ids[i];
    EXPECT_EQ(Nested(button, 6), Nested(button, 12));
  }
}

}  // namespace
}  // namespace secondary_test
