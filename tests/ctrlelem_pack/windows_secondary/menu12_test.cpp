// The menu 12: its view submenu nests a further submenu, and its item flags
// differ from the menu 8's.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

class Menu12Test : public SecondaryWindowTest {
 protected:
  static __packet Submenu(int n) { return SubmenuOf(ctrlelem::catalogue::BuildDescription(12), n); }
};

TEST_F(Menu12Test, ViewSubmenuNestsACompleteSubmenuUnderItsThirdItem) {
  const __packet menu = ctrlelem::catalogue::BuildDescription(12);
  EXPECT_EQ(menu.kind(), ctrlelem::schema::kMenu);
  EXPECT_EQ(U32(menu, 2), 5u);

  const __packet view = Submenu(3);
  EXPECT_EQ(U32(view, 2), 5u);
  const __packet items = Nested(view, 3);
  EXPECT_EQ(U32(items, 13), 31123u);
  EXPECT_EQ(ItemKeys(items, 3), (std::vector<int>{1, 2, 3, 6}));

  const __packet nested = Nested(items, 18);
  EXPECT_FALSE(nested.has_kind());
  EXPECT_EQ(nested.keys(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(U32(nested, 1), 13u);
  EXPECT_EQ(U32(nested, 2), 4u);
  const __packet nested_items = Nested(nested, 3);
  const std::uint32_t commands[] = {31150, 31151, 31152, 31154};
  for (int n = 1; n <= 4; ++n) {
    const int base = 6 * (n - 1);
    EXPECT_EQ(ItemKeys(nested_items, n), (std::vector<int>{1, 2, 3, 4, 5})) << n;
    EXPECT_EQ(U32(nested_items, base + 1), commands[n - 1]);
    EXPECT_EQ(U32(nested_items, base + 2), 2u) << n;
    EXPECT_EQ(U32(nested_items, base + 4), 0u) << n;
    EXPECT_EQ(U32(nested_items, base + 5), 403u) << n;
  }
  // Nothing else in the menu nests deeper than one level.
  for (int n : {1, 2, 4, 5}) EXPECT_FALSE(Nested(Submenu(n), 3).has(6 * 3)) << n;
}

TEST_F(Menu12Test, EditItemsAreGreyedAndPlainViewItemsCarry403) {
  // Every item of the edit submenu is greyed; its separators hold only -1.
  const __packet edit = Nested(Submenu(2), 3);
  EXPECT_EQ(U32(Submenu(2), 2), 8u);
  for (int n = 1; n <= 8; ++n) {
    if (n == 2 || n == 7) {
      EXPECT_EQ(ItemKeys(edit, n), (std::vector<int>{1})) << n;
      continue;
    }
    EXPECT_EQ(U32(edit, 6 * (n - 1) + 2), 1u) << n;
  }
  EXPECT_EQ(ItemKeys(edit, 8), (std::vector<int>{1, 2, 3}));

  // The view submenu: 31122, 31125 and 31124 carry picture 0 and 403.
  const __packet view = Nested(Submenu(3), 3);
  const struct {
    int n;
    std::uint32_t command;
    std::uint32_t flags;
  } plain[] = {{2, 31122, 2}, {4, 31125, 0}, {5, 31124, 0}};
  for (const auto& item : plain) {
    const int base = 6 * (item.n - 1);
    EXPECT_EQ(U32(view, base + 1), item.command);
    EXPECT_EQ(U32(view, base + 2), item.flags) << item.command;
    EXPECT_EQ(ItemKeys(view, item.n), (std::vector<int>{1, 2, 3, 4, 5})) << item.command;
    EXPECT_EQ(U32(view, base + 4), 0u);
    EXPECT_EQ(U32(view, base + 5), 403u);
  }
}

}  // namespace
}  // namespace secondary_test
