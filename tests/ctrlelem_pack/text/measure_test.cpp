#include "text/measure.h"

#include <gtest/gtest.h>

#include <memory>

#include "language/strings.h"
#include "screen/scripted_screen.h"

namespace {

using ctrlelem::kFontBold;
using ctrlelem::kFontNormal;

class MeasureTest : public ::testing::Test {
 protected:
  std::shared_ptr<screen::ScriptedScreen> fake_ = std::make_shared<screen::ScriptedScreen>();
  screen::ScopedScreen installed_{fake_};
};

TEST_F(MeasureTest, MeasuresATableOneStringInTheMeasuringFace) {
  fake_->widths[LoadResourceString(425, 1, 0)] = 91;
  EXPECT_EQ(ctrlelem::MeasureStringWidth(425, 10, kFontBold), 91);
  ASSERT_EQ(fake_->measurements.size(), 1u);
  const auto& call = fake_->measurements[0];
  EXPECT_EQ(call.font, (screen::FontRequest{LoadResourceString(20, 1, 0), 10, 700}));
  EXPECT_EQ(call.texts, (std::vector<std::wstring>{LoadResourceString(425, 1, 0)}));
}

TEST_F(MeasureTest, MeasuresTwoStringsWithOneFont) {
  fake_->widths[LoadResourceString(443, 1, 0)] = 30;
  fake_->widths[LoadResourceString(445, 1, 0)] = 52;
  EXPECT_EQ(ctrlelem::MeasureStringWidths(443, 445, 8, kFontNormal), std::make_pair(30, 52));
  ASSERT_EQ(fake_->measurements.size(), 1u);
  EXPECT_EQ(fake_->measurements[0].font.point_size, 8);
  EXPECT_EQ(fake_->measurements[0].font.weight, 400);
  EXPECT_EQ(
      fake_->measurements[0].texts,
      (std::vector<std::wstring>{LoadResourceString(443, 1, 0), LoadResourceString(445, 1, 0)}));
}

TEST_F(MeasureTest, UnknownStringMeasuresAsTheEmptyText) {
  fake_->widths[L""] = 0;
  EXPECT_EQ(ctrlelem::MeasureStringWidth(999999, 9, kFontNormal), 0);
  EXPECT_EQ(fake_->measurements.at(0).texts, (std::vector<std::wstring>{L""}));
}

}  // namespace
