#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "language/strings.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

constexpr int kFirstLabel = 601;  // labels 601 to 605

class ButtonStripWindow14Test : public SecondaryWindowTest {
 protected:
  void SetLabelWidths(const std::array<int, 5>& widths) {
    for (int i = 0; i < 5; ++i) SetWidth(kFirstLabel + i, widths[static_cast<std::size_t>(i)]);
  }
  __packet Children() { return Nested(ctrlelem::catalogue::BuildDescription(14), 10); }
  // The five buttons' rectangles, then the separator at `separator_left` and
  // the address field 6 pixels after it.
  static void ExpectStrip(const __packet& children, const std::vector<RECT>& buttons,
                          int separator_left) {
    std::vector<RECT> rects;
    for (int key = 4; key <= 8; ++key) rects.push_back(Rect(Nested(children, key), 4));
    EXPECT_EQ(rects, buttons);
    EXPECT_EQ(Rect(Nested(children, 9), 5), (RECT{separator_left, 0, 2, 52}));
    EXPECT_EQ(Rect(Nested(children, 10), 4), (RECT{separator_left + 6, 16, 250, 20}));
  }
};

TEST_F(ButtonStripWindow14Test, NarrowLabelsGiveButtonsOfTheMinimumWidth) {
  SetLabelWidths({0, 10, 43, 44, 20});
  const __packet children = Children();
  ExpectStrip(
      children,
      {{2, 2, 48, 48}, {50, 2, 48, 48}, {98, 2, 48, 48}, {146, 2, 48, 48}, {194, 2, 48, 48}}, 246);
  for (int key = 4; key <= 8; ++key) {
    for (int caption : {6, 9, 12, 15}) {
      EXPECT_EQ(Rect(Nested(Nested(children, key), caption), 10), (RECT{0, 20, 44, 16}));
    }
  }
}

TEST_F(ButtonStripWindow14Test, LongLabelShiftsEverythingAfterIt) {
  SetLabelWidths({10, 100, 10, 10, 10});
  const __packet children = Children();
  ExpectStrip(
      children,
      {{2, 2, 48, 48}, {50, 2, 104, 48}, {154, 2, 48, 48}, {202, 2, 48, 48}, {250, 2, 48, 48}},
      302);
  EXPECT_EQ(Rect(At(children, {5, 15}), 10), (RECT{0, 20, 100, 16}));

  // One measurement per label, in order, 9 pt normal.
  ASSERT_EQ(screen_->measurements.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const auto& call = screen_->measurements[static_cast<std::size_t>(i)];
    EXPECT_EQ(call.font.point_size, 9);
    EXPECT_EQ(call.font.weight, 400);
    EXPECT_EQ(call.texts, (std::vector<std::wstring>{Str(kFirstLabel + i)}));
  }
}

TEST_F(ButtonStripWindow14Test, TopKeyIs255ForFourteenChildren) {
  const __packet window = ctrlelem::catalogue::BuildDescription(14);
  EXPECT_EQ(U32(window, 9), 255u);
  const __packet children = Nested(window, 10);
  EXPECT_EQ(children.size(), 14u);
  for (int key = 1; key <= 14; ++key) EXPECT_TRUE(children.has(key)) << key;
}

TEST_F(ButtonStripWindow14Test, BrowseButtonsPressedIconKeepsThePreviousId) {
  const __packet browse = Nested(Children(), 7);
  ASSERT_EQ(U32(browse, 1), 1018u);
  const __packet hover_icon = At(browse, {11, 4});
  const __packet pressed_icon = At(browse, {14, 4});
  EXPECT_EQ(U32(hover_icon, 1), 178u);
  EXPECT_EQ(U32(pressed_icon, 1), 176u);
  EXPECT_EQ(U32(hover_icon, 2), 628u);
  EXPECT_EQ(U32(pressed_icon, 2), 628u);
  EXPECT_EQ(U32(At(browse, {17, 1}), 2), 0x10273u);
  EXPECT_FALSE(browse.has(5));  // the strip buttons have no hint
}

}  // namespace
}  // namespace secondary_test
