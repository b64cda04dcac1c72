#include "text/fitted_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <memory>

#include "screen/scripted_screen.h"

namespace {

using screen::Metric;

TEST(FittedGeometry, ClampAndHalving) {
  EXPECT_EQ(ctrlelem::ClampToMinimumWidth(0), 44);
  EXPECT_EQ(ctrlelem::ClampToMinimumWidth(43), 44);
  EXPECT_EQ(ctrlelem::ClampToMinimumWidth(45), 45);
  EXPECT_EQ(ctrlelem::HalfTowardZero(7), 3);
  EXPECT_EQ(ctrlelem::HalfTowardZero(-7), -3);
}

class CentredCheckBoxTest : public ::testing::Test {
 protected:
  std::shared_ptr<screen::ScriptedScreen> fake_ = std::make_shared<screen::ScriptedScreen>();
  screen::ScopedScreen installed_{fake_};
};

TEST_F(CentredCheckBoxTest, CentresLabelAndCheckMarkReadingTheMetricTwice) {
  fake_->metrics[Metric::cxmenucheck] = 13;
  // b = 100 + 13 + 4 = 117; left = (380 - 117) / 2 = 131; right = 131 + 117.
  EXPECT_EQ(ctrlelem::CentredCheckBox(100, 380, 67, 83), (RECT{131, 67, 248, 83}));
  EXPECT_EQ(fake_->Reads(Metric::cxmenucheck), 2u);
}

TEST_F(CentredCheckBoxTest, WiderThanItsDialogGoesLeftOfItTruncatingTowardZero) {
  fake_->metrics[Metric::cxmenucheck] = 15;
  // b = 368 + 15 + 4 = 387; (380 - 387) / 2 = -3, not -4.
  EXPECT_EQ(ctrlelem::CentredCheckBox(368, 380, 97, 113), (RECT{-3, 97, 384, 113}));
}

// A huge measured text (a long string at a high resolution) must give a huge
// rectangle, never a wrapped-around (inverted) one: computed wide, saturated.
TEST_F(CentredCheckBoxTest, HugeInputsSaturateInsteadOfWrapping) {
  fake_->metrics[Metric::cxmenucheck] = 10000;
  // b = INT_MAX + 10004; left = (380 - b) / 2; right = left + b.
  EXPECT_EQ(ctrlelem::CentredCheckBox(INT_MAX, 380, 67, 83),
            (RECT{-1073746635, 67, 1073747016, 83}));
  // left = (INT_MIN - b) / 2 lies below INT_MIN; right = that + b.
  EXPECT_EQ(ctrlelem::CentredCheckBox(INT_MAX - 5, INT_MIN, 67, 83), (RECT{INT_MIN, 67, 4999, 83}));

  const std::array<int, 3> measured{INT_MAX, INT_MAX, INT_MAX};
  const ctrlelem::ButtonRow row = ctrlelem::GrowingButtonRow(measured);
  const std::vector<RECT> buttons{
      {2, 2, INT_MAX, 48}, {INT_MAX, 2, INT_MAX, 48}, {INT_MAX, 2, INT_MAX, 48}};
  EXPECT_EQ(row.buttons, buttons);
  EXPECT_EQ(row.total, INT_MAX);
  // h = (2 * INT_MAX + 3) / 2 = 2^31, saturated; the lefts from the wide h.
  const ctrlelem::WidthPairPlacement pair = ctrlelem::WidthPair(INT_MAX, INT_MAX);
  EXPECT_EQ(pair.h, INT_MAX);
  EXPECT_EQ(pair.text_left, 1073741825);
  EXPECT_EQ(pair.button_left, -1073741825);
}

TEST(GrowingButtonRow, ButtonsGrowWithTheirLabelsAndAbut) {
  const std::array<int, 5> measured{10, 60, 44, 0, 45};
  const ctrlelem::ButtonRow row = ctrlelem::GrowingButtonRow(measured);
  const std::array<RECT, 5> buttons{{
      {2, 2, 48, 48},  // narrow label: still 44 + 4 wide
      {50, 2, 64, 48},
      {114, 2, 48, 48},
      {162, 2, 48, 48},
      {210, 2, 49, 48},
  }};
  const std::array<RECT, 5> labels{{
      {0, 20, 44, 16},
      {0, 20, 60, 16},
      {0, 20, 44, 16},
      {0, 20, 44, 16},
      {0, 20, 45, 16},
  }};
  EXPECT_EQ(row.buttons, std::vector<RECT>(buttons.begin(), buttons.end()));
  EXPECT_EQ(row.labels, std::vector<RECT>(labels.begin(), labels.end()));
  EXPECT_EQ(row.total, 44 + 60 + 44 + 44 + 45);
}

TEST(WidthPair, PlacesBothAroundTheirCommonPoint) {
  // h = (40 + 61 + 3) / 2 = 52; text 52 - 30 = 22; button 20 - 52 = -32.
  const ctrlelem::WidthPairPlacement odd = ctrlelem::WidthPair(40, 61);
  EXPECT_EQ(odd.h, 52);
  EXPECT_EQ(odd.text_left, 22);
  EXPECT_EQ(odd.button_left, -32);
  // Zero widths: h = 1, text 1, button -1.
  const ctrlelem::WidthPairPlacement empty = ctrlelem::WidthPair(0, 0);
  EXPECT_EQ(empty.h, 1);
  EXPECT_EQ(empty.text_left, 1);
  EXPECT_EQ(empty.button_left, -1);
}

}  // namespace
