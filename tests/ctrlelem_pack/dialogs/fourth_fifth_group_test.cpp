// The fourth and fifth dialog groups: the empty-packet hint of 125, the fixed
// message of 113, the two boxes of 151 that share one width, and the dialogs
// whose children come in an unusual order.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "text/fitted_geometry.h"

namespace dialog_test {
namespace {

class LaterGroups : public CatalogueTest {};

TEST_F(LaterGroups, Dialog125FieldHoldsAnEmptyPacketWithoutKind) {
  Build();
  const __packet field = Child(125, 3);
  EXPECT_EQ(U32(field, 1), 1002u);
  EXPECT_EQ(U32(field, 2), 1u);
  const __val hint = field[5];
  ASSERT_NE(hint.bytes(), nullptr);
  EXPECT_EQ(*hint.bytes(), __packet().data());
  EXPECT_FALSE(hint.bytes()->empty());  // a packet, not the empty byte string
}

TEST_F(LaterGroups, Dialog113ShowsItsFixedMessageAsWritten) {
  Build();
  EXPECT_EQ(Wide(Child(113, 2), 2),
            L"You are not quitting Wembrix, but instead it will be minimized in your notification "
            L"area.  To quit Wembrix go under the file menu and choose \"Exit\" or right "
            L"click the icon in the notification area.");
}

TEST_F(LaterGroups, Dialog151BoxesShareTheWidthOfTheLowerBoxString) {
  screen_->widths[Str(1555)] = 300;  // the upper box's own text: never measured
  screen_->widths[Str(1556)] = 120;
  screen_->metrics[Metric::cxmenucheck] = 13;
  Build();
  // b = 120 + 13 + 4 = 137; left = (390 - 137) / 2 = 126.
  EXPECT_EQ(Rect(Child(151, 3), 10), (RECT{126, 47, 263, 63}));
  EXPECT_EQ(Rect(Child(151, 4), 10), (RECT{126, 67, 263, 83}));
  EXPECT_EQ(Wide(Child(151, 3), 2), Str(1555));
  EXPECT_EQ(U32(Child(151, 3), 1), 979u);
  EXPECT_EQ(U32(Child(151, 4), 1), 978u);
  // 156 and 157 centre the same box in their own widths.
  EXPECT_EQ(Rect(Child(156, 3), 10), (RECT{221, 120, 358, 136}));
  EXPECT_EQ(Rect(Child(157, 3), 10), (RECT{181, 47, 318, 63}));
  for (const auto& m : screen_->measurements) EXPECT_NE(m.texts.front(), Str(1555));
}

TEST_F(LaterGroups, CheckBoxRowsAndDialogWidths) {
  screen_->widths[Str(741)] = 200;
  screen_->widths[Str(743)] = 100;
  screen_->metrics[Metric::cxmenucheck] = 13;
  Build();
  // 741: b = 217, in 410: left 96. 743: b = 117, in 390: left 136.
  EXPECT_EQ(Rect(Child(113, 3), 10), (RECT{96, 67, 313, 83}));
  for (std::uint32_t id : {126u, 127u, 128u}) {
    EXPECT_EQ(Rect(Child(id, 3), 10), (RECT{96, 87, 313, 103})) << id;
  }
  EXPECT_EQ(Rect(Child(129, 3), 10), (RECT{96, 117, 313, 133}));
  for (std::uint32_t id : {130u, 131u, 136u, 154u, 155u}) {
    EXPECT_EQ(Rect(Child(id, 3), 10), (RECT{136, 67, 253, 83})) << id;
  }
  EXPECT_EQ(Rect(Child(143, 3), 10), (RECT{136, 50, 253, 66}));
}

TEST_F(LaterGroups, ChildrenInTheirListedOrder) {
  Build();
  EXPECT_EQ(Child(134, 1).kind(), 3);  // the message before the icon
  EXPECT_EQ(Child(134, 2).kind(), 2);
  EXPECT_EQ(U32(Child(138, 3), 1), 972u);
  EXPECT_EQ(U32(Child(138, 4), 1), 970u);
  EXPECT_EQ(U32(Child(138, 5), 1), 973u);
  const __packet link = Child(141, 2);  // the link before the message
  EXPECT_EQ(link.kind(), 4);
  EXPECT_EQ(U32(link, 1), 988u);
  EXPECT_EQ(U32(link, 6), 9u);
  EXPECT_EQ(Rect(Child(141, 3), 10).left, 100);
  EXPECT_EQ(U32(Child(141, 3), 8), 1u);
  EXPECT_EQ(Container(131), Container(130));
  EXPECT_EQ(Container(147), Container(112));
}

}  // namespace
}  // namespace dialog_test
