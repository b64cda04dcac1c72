// Every rectangle of the catalogue that follows a measured string, worked out
// here from scripted widths and an unusual check-mark width, and every
// measurement with the font it was made in.
#include <gtest/gtest.h>

#include <tuple>

#include "dialog_test_support.h"

namespace dialog_test {
namespace {

// Odd widths and an even check mark (not the usual 13), so that every box is
// an odd number of pixels narrower than its dialog and the halving truncates.
constexpr int kCheck = 16;
constexpr int kWidth821 = 101;  // A of dialog 105
constexpr int kWidth820 = 57;   // B of dialog 105
constexpr int kWidth743 = 111;
constexpr int kWidth746 = 93;
constexpr int kWidth1537 = 161;
constexpr int kWidth741 = 203;
constexpr int kWidth1556 = 127;

// The check box centred in a dialog `dialog_width` wide, on rows top..bottom.
RECT CentredBox(int label, int dialog_width, int top, int bottom) {
  const int box = label + kCheck + 4;
  const int left = (dialog_width - box) / 2;
  return {left, top, left + label + kCheck + 4, bottom};
}

class MeasuredRects : public CatalogueTest {
 protected:
  void SetUp() override {
    screen_->metrics[Metric::cxmenucheck] = kCheck;
    for (auto [id, width] : {std::pair{821, kWidth821},
                             {820, kWidth820},
                             {743, kWidth743},
                             {746, kWidth746},
                             {1537, kWidth1537},
                             {741, kWidth741},
                             {1556, kWidth1556}}) {
      screen_->widths[Str(id)] = width;
    }
    Build();
  }
};

TEST_F(MeasuredRects, CentredCheckBoxes) {
  struct Box {
    std::uint32_t dialog;
    int key;
    int label;
    int dialog_width;
    int top;
    int bottom;
  };
  const Box boxes[] = {
      {114, 3, kWidth743, 380, 67, 83},   {123, 3, kWidth743, 380, 67, 83},
      {152, 3, kWidth743, 380, 97, 113},  {121, 3, kWidth743, 380, 77, 93},
      {113, 3, kWidth741, 410, 67, 83},   {126, 3, kWidth741, 410, 87, 103},
      {127, 3, kWidth741, 410, 87, 103},  {128, 3, kWidth741, 410, 87, 103},
      {129, 3, kWidth741, 410, 117, 133}, {130, 3, kWidth743, 390, 67, 83},
      {131, 3, kWidth743, 390, 67, 83},   {136, 3, kWidth743, 390, 67, 83},
      {154, 3, kWidth743, 390, 67, 83},   {155, 3, kWidth743, 390, 67, 83},
      {143, 3, kWidth743, 390, 50, 66},   {151, 3, kWidth1556, 390, 47, 63},
      {151, 4, kWidth1556, 390, 67, 83},  {156, 3, kWidth1556, 580, 120, 136},
      {157, 3, kWidth1556, 500, 47, 63},
  };
  for (const Box& box : boxes) {
    SCOPED_TRACE(testing::Message() << box.dialog << " child " << box.key);
    EXPECT_EQ(Rect(Child(box.dialog, box.key), 10),
              CentredBox(box.label, box.dialog_width, box.top, box.bottom));
  }
  // (380 - (111 + 16 + 4)) / 2 = 249 / 2 = 124.
  EXPECT_EQ(Rect(Child(114, 3), 10), (RECT{124, 67, 255, 83}));
  // The check mark is read for the left and again for the right edge of each
  // of the 19 boxes, and for the three members of dialog 105 that use it.
  EXPECT_EQ(screen_->Reads(Metric::cxmenucheck), 19u * 2u + 3u);
}

TEST_F(MeasuredRects, ControlsThatFollowAMeasuredText) {
  constexpr int a = kWidth821;
  constexpr int b = kWidth820;
  constexpr int c = kCheck;
  EXPECT_EQ(Rect(Child(105, 3), 10), (RECT{40, 40, a + c + 44, 60}));
  EXPECT_EQ(Rect(Child(105, 4), 10), (RECT{a + c + 47, 42, a + b + c + 47, 62}));
  constexpr int w = kWidth746;
  EXPECT_EQ(Rect(Child(115, 4), 10), (RECT{72, 86, w + 72, 99}));
  EXPECT_EQ(Rect(Child(115, 5), 10), (RECT{w + 77, 86, w + 227, 99}));
  EXPECT_EQ(Rect(Child(150, 6), 10), (RECT{kWidth1537 + 72, 42, kWidth1537 + 272, 55}));
  EXPECT_EQ(Rect(Child(150, 3), 10), (RECT{72, 42, 450, 55}));
}

TEST_F(MeasuredRects, EachMeasurementInItsFontAndOrder) {
  using Texts = std::vector<std::wstring>;
  // (dialog, strings, point size), in the order the dialogs are built.
  const std::vector<std::tuple<int, Texts, int>> expected = {
      {105, {Str(821), Str(820)}, 8}, {114, {Str(743)}, 9},  {152, {Str(743)}, 9},
      {115, {Str(746)}, 9},           {121, {Str(743)}, 9},  {123, {Str(743)}, 9},
      {150, {Str(1537)}, 8},          {113, {Str(741)}, 9},  {130, {Str(743)}, 9},
      {131, {Str(743)}, 9},           {136, {Str(743)}, 9},  {151, {Str(1556)}, 9},
      {156, {Str(1556)}, 9},          {157, {Str(1556)}, 9}, {126, {Str(741)}, 9},
      {127, {Str(741)}, 9},           {128, {Str(741)}, 9},  {129, {Str(741)}, 9},
      {154, {Str(743)}, 9},           {155, {Str(743)}, 9},  {143, {Str(743)}, 9},
  };
  ASSERT_EQ(screen_->measurements.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [dialog, texts, point_size] = expected[i];
    const auto& made = screen_->measurements[i];
    SCOPED_TRACE(dialog);
    EXPECT_EQ(made.texts, texts);
    EXPECT_EQ(made.font.point_size, point_size);
    EXPECT_EQ(made.font.weight, 400);
    // The measuring face is string 20 of table 1, not the texts' face of table 2.
    EXPECT_EQ(made.font.face, Str(20, 1));
  }
}

}  // namespace
}  // namespace dialog_test
