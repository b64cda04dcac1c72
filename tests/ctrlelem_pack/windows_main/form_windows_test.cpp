#include "windows/main/form_windows.h"

#include <gtest/gtest.h>

#include <vector>

#include "ctrlelem_pack/schema/kind_table.h"
#include "main_family_test_support.h"
#include "schema/writers.h"

namespace {

using test_support::Nested;
using test_support::U32;
using namespace ctrlelem::schema;

// The kinds under keys 1 to key 9, with no key beyond.
std::vector<int> ChildKinds(const __packet& window) {
  const __packet children = Nested(window, 10);
  std::vector<int> kinds;
  for (int key = 1; key <= static_cast<int>(U32(window, 9)); ++key) {
    kinds.push_back(Nested(children, key).kind().value_or(0));
  }
  EXPECT_EQ(children.size(), kinds.size());
  return kinds;
}

// Every entry element of a form shares the balloon record; the buttons are
// OK (1) and Cancel (2), captions only, each caption carrying its button's id.
void ExpectFormParts(const __packet& window, std::vector<int> entry_keys, int ok_key) {
  const __packet children = Nested(window, 10);
  EXPECT_EQ(U32(Nested(children, 1), 4), 0xD8E9ECu);
  for (int key : entry_keys) {
    EXPECT_EQ(Nested(Nested(children, key), 5), HintWithoutKind(BalloonHint())) << key;
  }
  for (std::uint32_t id : {1u, 2u}) {
    const __packet button = Nested(children, ok_key + static_cast<int>(id) - 1);
    EXPECT_EQ(button.keys(), (std::vector<int>{1, 2, 3, 4, 6, 9, 12, 15}));
    EXPECT_EQ(U32(button, 1), id);
    EXPECT_EQ(U32(Nested(button, 6), 1), id);
  }
}

TEST(FormWindows, Id11HasThreeEntryBoxes) {
  const __packet window = ctrlelem::main_window::FormWindow11(11);
  EXPECT_EQ(U32(window, 1), 11u);
  EXPECT_EQ(window[8].size(), (SIZE{310, 140}));
  EXPECT_EQ(ChildKinds(window), (std::vector<int>{kText, kText, kText, kText, kEntryBox, kEntryBox,
                                                  kEntryBox, kButton, kButton}));
  ExpectFormParts(window, {5, 6, 7}, 8);
  EXPECT_EQ(Nested(Nested(window, 10), 7)[4].rect(), (RECT{170, 70, 110, 20}));
}

TEST(FormWindows, Id18HasAnEntryBoxAndAnInputField) {
  const __packet window = ctrlelem::main_window::FormWindow18(18);
  EXPECT_EQ(U32(window, 1), 18u);
  EXPECT_EQ(window[8].size(), (SIZE{310, 110}));
  EXPECT_EQ(ChildKinds(window),
            (std::vector<int>{kText, kText, kText, kEntryBox, kInputField, kButton, kButton}));
  ExpectFormParts(window, {4, 5}, 6);
  const __packet field = Nested(Nested(window, 10), 5);
  EXPECT_EQ(U32(field, 1), 1033u);
  EXPECT_EQ(field[4].rect(), (RECT{170, 40, 110, 20}));
}

}  // namespace
