// The third dialog group: centred check boxes, controls that follow a measured
// text, literal and formatted captions, and the input fields' hint records.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "text/format_label.h"

namespace dialog_test {
namespace {

class ThirdGroup : public CatalogueTest {
 protected:
  // The font of the one measurement of the text.
  const screen::FontRequest* FontOf(const std::wstring& text) const {
    for (const auto& m : screen_->measurements) {
      if (m.texts == std::vector<std::wstring>{text}) return &m.font;
    }
    return nullptr;
  }
};

TEST_F(ThirdGroup, CheckBoxesAreCentredFromTheMeasuredLabel) {
  screen_->widths[Str(743)] = 100;
  screen_->metrics[Metric::cxmenucheck] = 13;
  Build();
  // b = 100 + 13 + 4 = 117; left = (380 - 117) / 2 = 131.
  EXPECT_EQ(Rect(Child(114, 3), 10), (RECT{131, 67, 248, 83}));
  EXPECT_EQ(Rect(Child(152, 3), 10), (RECT{131, 97, 248, 113}));
  EXPECT_EQ(Rect(Child(121, 3), 10), (RECT{131, 77, 248, 93}));
  EXPECT_EQ(Rect(Child(123, 3), 10), (RECT{131, 67, 248, 83}));
  EXPECT_EQ(U32(Child(114, 3), 1), 995u);
  EXPECT_EQ(Wide(Child(114, 3), 2), Str(743));
}

TEST_F(ThirdGroup, CheckBoxWiderThanItsDialogStartsLeftOfItHalvingTowardZero) {
  screen_->widths[Str(743)] = 368;
  screen_->metrics[Metric::cxmenucheck] = 15;
  Build();
  // b = 368 + 15 + 4 = 387; (380 - 387) / 2 = -3, not -4.
  EXPECT_EQ(Rect(Child(114, 3), 10), (RECT{-3, 67, 384, 83}));
}

TEST_F(ThirdGroup, Dialog115PlacesItsLinkAfterTheMeasuredText) {
  screen_->widths[Str(746)] = 90;
  Build();
  const __packet text = Child(115, 4);
  EXPECT_EQ(U32(text, 1), 14u);  // 10 plus its key
  EXPECT_EQ(Rect(text, 10), (RECT{72, 86, 162, 99}));
  EXPECT_EQ(Rect(Child(115, 5), 10), (RECT{167, 86, 317, 99}));
  ASSERT_NE(FontOf(Str(746)), nullptr);
  EXPECT_EQ(FontOf(Str(746))->point_size, 9);
}

TEST_F(ThirdGroup, Dialog150LinkStartsWhereTheMeasuredTextEnds) {
  screen_->widths[Str(1537)] = 161;
  Build();
  const __packet link = Child(150, 6);
  EXPECT_EQ(U32(link, 1), 1007u);
  EXPECT_EQ(Rect(link, 10), (RECT{233, 42, 433, 55}));
  EXPECT_EQ(U32(link, 3), 0xFF0000u);
  EXPECT_EQ(Rect(Child(150, 3), 10), (RECT{72, 42, 450, 55}));
  ASSERT_NE(FontOf(Str(1537)), nullptr);
  EXPECT_EQ(FontOf(Str(1537))->point_size, 8);
}

TEST_F(ThirdGroup, InputFieldsCarryTheBalloonRecordWithoutKind) {
  Build();
  for (auto [dialog, style] : {std::pair{115u, 0u}, {122u, 16u}, {124u, 16u}}) {
    SCOPED_TRACE(dialog);
    const __packet field = Child(dialog, 3);
    EXPECT_EQ(field.kind(), 7);
    EXPECT_EQ(U32(field, 2), style);
    const __packet hint = Nested(field, 5);
    EXPECT_FALSE(hint.has_kind());
    EXPECT_EQ(hint.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(U32(hint, 1), 1002u);
    EXPECT_EQ(U32(hint, 2), 0x40u);
    EXPECT_EQ(U32(hint, 3), 2u);
    EXPECT_EQ(Wide(hint, 4), Str(700));
    EXPECT_EQ(Wide(hint, 5), Str(701, 2));
    EXPECT_EQ(U32(hint, 6), 0x20u);
  }
}

TEST_F(ThirdGroup, LiteralAndFormattedCaptions) {
  Build();
  EXPECT_EQ(Wide(Child(118, 6), 2), L"60");
  EXPECT_EQ(U32(Child(118, 6), 1), 972u);
  for (auto [dialog, key, pattern, argument] :
       {std::tuple{118u, 3, 762, 1131}, std::tuple{119u, 2, 768, 1106}}) {
    SCOPED_TRACE(dialog);
    const std::wstring expected =
        ctrlelem::FormatLabel(Str(pattern), {Str(argument, 2)}).value_or(L"<failed>");
    EXPECT_EQ(Wide(Child(dialog, key), 2), expected);
    EXPECT_NE(expected.find(Str(argument, 2)), std::wstring::npos);
  }
}

TEST_F(ThirdGroup, OverridesStayOnTheirOwnChild) {
  Build();
  EXPECT_EQ(U32(Child(116, 2), 8), 1u);
  EXPECT_EQ(U32(Child(117, 2), 8), 0u);
  EXPECT_EQ(U32(Child(120, 6), 6), 9u);
  EXPECT_EQ(U32(Child(120, 7), 6), 0u);
  EXPECT_EQ(U32(Child(122, 5), 3), 0xFF0000u);
  EXPECT_EQ(U32(Child(122, 6), 3), 0u);
  // The text 123 and the link 986 start at one point.
  EXPECT_EQ(Rect(Child(122, 4), 10).left, Rect(Child(122, 5), 10).left);
  EXPECT_EQ(Rect(Child(122, 4), 10).top, Rect(Child(122, 5), 10).top);
  EXPECT_EQ(Container(153), Container(117));
  EXPECT_EQ(Container(144), Container(116));
  EXPECT_EQ(Wide(ctrlelem::Lookup(144), 2), Str(1427));
}

}  // namespace
}  // namespace dialog_test
