#include <gtest/gtest.h>

#include <climits>

#include "screen/screen.h"

namespace {

struct MulDivCase {
  int a, b, c, expected;
};

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  const MulDivCase cases[] = {
      // a, b, c, a * b / c rounded
      {9, 96, 72, 12},                         // exact
      {9, 120, 72, 15},                        // exact
      {8, 120, 72, 13},                        // 13.33 down
      {10, 120, 72, 17},                       // 16.67 up
      {3, 1, 2, 2},                            // 1.5: half away from zero
      {5, 1, 2, 3},                            // 2.5: not to even
      {-3, 1, 2, -2},                          // -1.5
      {3, -1, 2, -2},                          // negative multiplier
      {3, 1, -2, -2},                          // negative divisor
      {-3, -1, -2, -2},                        // all negative
      {-3, 1, -2, 2},                          // two negatives cancel
      {1, 1, 3, 0},                            // 0.33
      {2, 1, 3, 1},                            // 0.67
      {-2, 1, 3, -1},                          // -0.67
      {-1, 1, 3, 0},                           // -0.33 toward zero
      {0, -5, 7, 0},       {13, 144, 96, 20},  // 19.5: half up
      {-13, 144, 96, -20},                     // -19.5: half down
  };
  for (const MulDivCase& c : cases) {
    EXPECT_EQ(screen::MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
  }
}

TEST(MulDiv, UsesSixtyFourBitsAndFailsWithMinusOne) {
  EXPECT_EQ(screen::MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // product beyond 32 bits
  EXPECT_EQ(screen::MulDiv(INT_MIN, 2, 2), INT_MIN);              // fits exactly
  EXPECT_EQ(screen::MulDiv(INT_MAX, 2, 1), -1);                   // overflow
  EXPECT_EQ(screen::MulDiv(INT_MIN, 1, -1), -1);                  // -INT_MIN overflows
  EXPECT_EQ(screen::MulDiv(5, 7, 0), -1);                         // no divisor
}

TEST(FontHeight, AsksForTheCharacterHeight) {
  EXPECT_EQ(screen::FontHeight(9, 96), -12);
  EXPECT_EQ(screen::FontHeight(9, 120), -15);
  EXPECT_EQ(screen::FontHeight(8, 96), -11);  // 10.67 rounds up
  EXPECT_EQ(screen::FontHeight(10, 144), -20);
}

}  // namespace
