// The catalogue as a whole: which dialogs it registers, each family's window
// fields, and that every dialog holds exactly its own children.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>

#include "dialog_test_support.h"
#include "text/fitted_geometry.h"
#include "text/measure.h"

namespace dialog_test {
namespace {

// The number of children of every dialog, in registration order.
const std::vector<std::pair<std::uint32_t, int>> kChildCounts = {
    {102, 8}, {149, 7}, {146, 8}, {103, 8}, {104, 8},                                //
    {101, 5}, {105, 6}, {106, 4}, {132, 4}, {133, 4}, {108, 4}, {109, 4}, {145, 4},  //
    {110, 9}, {111, 3}, {148, 3},                                                    //
    {114, 5}, {152, 5}, {115, 7}, {116, 4}, {117, 3}, {153, 3}, {144, 4}, {118, 6},  //
    {119, 3}, {120, 7}, {121, 5}, {122, 7}, {123, 5}, {124, 7}, {150, 6},            //
    {125, 5}, {113, 4}, {130, 5}, {131, 5}, {136, 5}, {151, 5}, {156, 4}, {157, 4},  //
    {126, 4}, {127, 4}, {128, 4}, {129, 4}, {112, 3}, {147, 3}, {134, 3}, {135, 4},  //
    {137, 4}, {138, 5},                                                              //
    {139, 3}, {140, 3}, {154, 5}, {155, 5}, {141, 4}, {142, 4}, {143, 5},            //
};

bool IsInputDialog(std::uint32_t id) {
  return id == 102 || id == 149 || id == 146 || id == 103 || id == 104;
}

class Catalogue : public CatalogueTest {
 protected:
  void SetUp() override { Build(); }
};

TEST_F(Catalogue, RegistersDialogs101To157Without107) {
  std::vector<ctrlelem::ElementId> expected;
  for (std::uint32_t id = 101; id <= 157; ++id) {
    if (id != 107) expected.push_back(id);
  }
  EXPECT_EQ(ctrlelem::RegisteredIds(), expected);
  EXPECT_TRUE(ctrlelem::Lookup(107).empty());
  EXPECT_EQ(kChildCounts.size(), 56u);
}

TEST_F(Catalogue, EachDialogHoldsExactlyItsOwnChildren) {
  for (auto [id, count] : kChildCounts) {
    SCOPED_TRACE(id);
    EXPECT_EQ(Container(id).keys(), KeysUpTo(count));
    EXPECT_FALSE(Container(id).has_kind());
  }
}

TEST_F(Catalogue, MessageDialogsHaveNoStyleAndStore49) {
  for (auto [id, count] : kChildCounts) {
    if (IsInputDialog(id)) continue;
    SCOPED_TRACE(id);
    const __packet dialog = ctrlelem::Lookup(id);
    EXPECT_EQ(dialog.kind(), 1);
    EXPECT_EQ(dialog.keys(), (std::vector<int>{1, 2, 4, 8, 9, 10}));
    EXPECT_EQ(U32(dialog, 1), id);
    EXPECT_NE(dialog[2].wstr(), nullptr);
    EXPECT_EQ(U32(dialog, 4), 0x200u);
    EXPECT_EQ(U32(dialog, 9), 49u);
  }
}

TEST_F(Catalogue, MessageDialogChildrenAreAbsolutelyPlaced) {
  for (auto [id, count] : kChildCounts) {
    if (IsInputDialog(id)) continue;
    for (int key = 1; key <= count; ++key) {
      const __packet child = Child(id, key);
      SCOPED_TRACE(testing::Message() << id << " child " << key);
      switch (child.kind().value_or(0)) {
        case 2:  // image: left, top, width, height
          EXPECT_EQ(child.keys(), (std::vector<int>{1, 2, 3, 4, 5}));
          EXPECT_EQ(U32(child, 4), 0u);
          break;
        case 3:  // text, and the text-shaped button
        case 4:
          EXPECT_EQ(child.keys(), KeysUpTo(10));
          EXPECT_NE(child[2].wstr(), nullptr);
          EXPECT_EQ(U32(child, 4), 0xFF00FFu);
          EXPECT_EQ(U32(child, 9), 0u);
          EXPECT_LT(Rect(child, 10).top, Rect(child, 10).bottom);
          break;
        case 7:
          EXPECT_EQ(U32(child, 3), 0u);
          break;
        default:
          ADD_FAILURE() << "unexpected kind";
      }
    }
  }
}

TEST_F(Catalogue, MeasuresEachDialogOnce) {
  // 105 (two strings, one font), four dialogs of the third group's 743, 115,
  // 150, and fifteen of the later groups: 151 measures its one string once.
  EXPECT_EQ(screen_->measurements.size(), 21u);
}

// The whole library on the portable screen with the real font: the boxes are
// where the measured widths put them.
TEST(CatalogueWithRealFont, CentredBoxesFollowTheFont) {
  ctrlelem::ResetRegistry();
  ctrlelem::catalogue::RegisterAll();
  const int w743 = ctrlelem::MeasureStringWidth(743, 9, ctrlelem::kFontNormal);
  const int w1556 = ctrlelem::MeasureStringWidth(1556, 9, ctrlelem::kFontNormal);
  ASSERT_GT(w743, 0) << "no font to measure with";
  EXPECT_EQ(Rect(Child(114, 3), 10), ctrlelem::CentredCheckBox(w743, 380, 67, 83));
  EXPECT_EQ(Rect(Child(151, 3), 10), ctrlelem::CentredCheckBox(w1556, 390, 47, 63));
  EXPECT_EQ(Rect(Child(151, 4), 10), ctrlelem::CentredCheckBox(w1556, 390, 67, 83));
  const int w746 = ctrlelem::MeasureStringWidth(746, 9, ctrlelem::kFontNormal);
  EXPECT_EQ(Rect(Child(115, 5), 10), (RECT{w746 + 77, 86, w746 + 227, 99}));
  ctrlelem::ResetRegistry();
}

}  // namespace
}  // namespace dialog_test
