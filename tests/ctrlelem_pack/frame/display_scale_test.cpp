#include "frame/display_scale.h"

#include <gtest/gtest.h>

#include <memory>

#include "screen/scripted_screen.h"

namespace ctrlelem {
namespace {

struct Scaled {
  int width;
  int height;
};

Scaled ScaleAt(int dpi_x, int dpi_y, int base_width, int base_height) {
  auto fake = std::make_shared<screen::ScriptedScreen>();
  fake->dpi_x = dpi_x;
  fake->dpi_y = dpi_y;
  screen::ScopedScreen installed(fake);
  ComputeDisplayScale();
  return {ScaledWidth(base_width), ScaledHeight(base_height)};
}

TEST(DisplayScaleTest, TruncatesTowardZeroNeverRounds) {
  // The main window's three sizes at the usual resolutions.
  struct Case {
    int dpi, base_w, base_h, w, h;
  } const cases[] = {
      {96, 289, 500, 289, 500},    {96, 447, 1125, 447, 1125}, {120, 289, 500, 361, 625},
      {120, 447, 1125, 558, 1406}, {144, 289, 500, 433, 750},  {144, 447, 1125, 670, 1687},
  };
  for (const Case& c : cases) {
    const Scaled s = ScaleAt(c.dpi, c.dpi, c.base_w, c.base_h);
    EXPECT_EQ(s.width, c.w) << c.dpi << " " << c.base_w;
    EXPECT_EQ(s.height, c.h) << c.dpi << " " << c.base_h;
  }
}

TEST(DisplayScaleTest, AxesScaleIndependently) {
  const Scaled s = ScaleAt(120, 96, 447, 1125);
  EXPECT_EQ(s.width, 558);
  EXPECT_EQ(s.height, 1125);
  const DisplayScale factors = CurrentDisplayScale();
  EXPECT_DOUBLE_EQ(factors.horizontal, 1.25);
  EXPECT_DOUBLE_EQ(factors.vertical, 1.0);
}

TEST(DisplayScaleTest, NegativeBasesTruncateTowardZero) {
  EXPECT_EQ(ScaleAt(120, 120, -289, -1).width, -361);
  EXPECT_EQ(ScaleAt(120, 120, -289, -1).height, -1);
}

TEST(DisplayScaleTest, AbsurdResolutionsSaturateInsteadOfOverflowing) {
  const Scaled s = ScaleAt(2000000000, -2000000000, 1125, 1125);
  EXPECT_EQ(s.width, 2147483647);
  EXPECT_EQ(s.height, -2147483647 - 1);
}

}  // namespace
}  // namespace ctrlelem
