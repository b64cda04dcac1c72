#include "ctrlelem_pack/schema/anchor.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <utility>

namespace ctrlelem {
namespace {

// The flag words exactly as the descriptions carry them.
static_assert(kAnchorCombinationsInUse ==
              std::array<std::uint32_t, 20>{0x0,  0x6,   0xC,   0x12,  0x18,  0x24, 0x30,
                                            0x42, 0x48,  0x60,  0x84,  0x86,  0x90, 0xA6,
                                            0xAC, 0x102, 0x108, 0x180, 0x1A0, 0x260});
static_assert(kAnchorKnownBits == 0x3FE);

Placement Place(std::uint32_t anchor, RECT rect, int width, int height,
                RectForm form = RectForm::edges) {
  return PlaceChild(anchor, rect, width, height, form);
}

struct Row {
  std::uint32_t anchor;
  RECT rect;
  int width;
  int height;
  Placement expected;
};

void ExpectRows(std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "anchor 0x" << std::hex << row.anchor << std::dec << " (" << row.rect.left
                 << ", " << row.rect.top << ", " << row.rect.right << ", " << row.rect.bottom
                 << ") in " << row.width << " x " << row.height);
    EXPECT_EQ(Place(row.anchor, row.rect, row.width, row.height), row.expected);
    EXPECT_EQ(Place(row.anchor, row.rect, row.width, row.height, RectForm::origin_and_size),
              row.expected);
  }
}

TEST(Anchor, EveryHorizontalRow) {
  // The vertical axis stays kAnchorTop at 10..30 so only the horizontal bits vary.
  ExpectRows({
      {kAnchorLeft | kAnchorTop, {5, 10, 40, 20}, 300, 200, {5, 10, 45, 30}},
      {kAnchorRight | kAnchorTop, {94, 10, 40, 20}, 300, 200, {206, 10, 246, 30}},
      {kAnchorStretchX | kAnchorTop, {7, 10, 9, 20}, 300, 200, {7, 10, 291, 30}},
      {kAnchorCentreX | kAnchorTop, {-10, 10, 40, 20}, 300, 200, {120, 10, 160, 30}},
      {kAnchorFromCentreX | kAnchorTop, {-65, 10, 130, 20}, 300, 200, {85, 10, 215, 30}},
      {kAnchorLeftHalf | kAnchorTop, {4, 10, 2, 20}, 300, 200, {4, 10, 148, 30}},
      {kAnchorRightHalf | kAnchorTop, {2, 10, 4, 20}, 300, 200, {152, 10, 296, 30}},
  });
}

TEST(Anchor, EveryVerticalRow) {
  ExpectRows({
      {kAnchorLeft | kAnchorTop, {0, 3, 10, 20}, 300, 200, {0, 3, 10, 23}},
      {kAnchorLeft | kAnchorBottom, {0, 7, 10, 7}, 300, 200, {0, 193, 10, 200}},
      {kAnchorLeft | kAnchorStretchY, {0, 5, 10, 9}, 300, 200, {0, 5, 10, 191}},
      {kAnchorLeft | kAnchorCentreY, {0, -4, 10, 24}, 300, 200, {0, 84, 10, 108}},
  });
}

TEST(Anchor, WorkedExamples) {
  ExpectRows({
      {0x30, {7, 4, 7, 4}, 300, 200, {7, 196, 293, 200}},
      {0x18, {7, 7, 7, 7}, 300, 200, {293, 193, 300, 200}},
      {0x86, {-65, 150, 130, 20}, 400, 300, {135, 150, 265, 170}},
      // Button 1003's caption and lifted icon inside its 55 x 53 button.
      {0x24, {0, 35, 0, 16}, 55, 53, {0, 35, 55, 51}},
      {0x180, {0, -4, 24, 22}, 55, 53, {15, 11, 39, 33}},
  });
}

TEST(Anchor, FramePiecesMeet) {
  const int w = 289;
  const int h = 500;
  const Placement bottom_left = Place(0x12, {0, 7, 7, 7}, w, h);
  const Placement bottom = Place(0x30, {7, 4, 7, 4}, w, h);
  const Placement bottom_right = Place(0x18, {7, 7, 7, 7}, w, h);
  EXPECT_EQ(bottom_left.right, bottom.left);
  EXPECT_EQ(bottom.right, bottom_right.left);
  EXPECT_EQ(bottom_right.right, w);
  EXPECT_EQ(bottom.bottom, h);

  // The stretched upper side piece reaches H - 238; the fixed lower piece runs
  // from H - 245 down to the corner, so the two overlap by 7 rows, no gap.
  const Placement upper_left = Place(0x42, {0, 0, 4, 238}, w, h);
  const Placement lower_left = Place(0x12, {0, 245, 4, 238}, w, h);
  EXPECT_EQ(upper_left, (Placement{0, 0, 4, h - 238}));
  EXPECT_EQ(lower_left, (Placement{0, h - 245, 4, h - 7}));
  EXPECT_LE(lower_left.top, upper_left.bottom);
  EXPECT_EQ(lower_left.bottom, bottom_left.top);

  EXPECT_EQ(Place(0xC, {94, 0, 94, 48}, w, h), (Placement{w - 94, 0, w, 48}));

  // A three-slice bar: caps and middle meet exactly.
  const Placement cap_left = Place(0x6, {0, 5, 7, 25}, 100, 30);
  const Placement middle = Place(0x24, {7, 5, 7, 25}, 100, 30);
  const Placement cap_right = Place(0xC, {7, 5, 7, 25}, 100, 30);
  EXPECT_EQ(cap_left.right, middle.left);
  EXPECT_EQ(middle.right, cap_right.left);
  EXPECT_EQ(cap_right.right, 100);
}

TEST(Anchor, FlagsZeroDependsOnForm) {
  const RECT button{265, 22, 338, 45};
  EXPECT_EQ(Place(0, button, 400, 300, RectForm::edges), (Placement{265, 22, 338, 45}));
  const RECT icon{10, 12, 32, 32};
  EXPECT_EQ(Place(0, icon, 400, 300, RectForm::origin_and_size), (Placement{10, 12, 42, 44}));
  EXPECT_EQ(Place(0, icon, 400, 300, RectForm::origin_and_size),
            Place(kAnchorTopLeft, icon, 400, 300));

  EXPECT_EQ(RectFormForKind(2), RectForm::origin_and_size);
  for (int kind : {0, 1, 3, 4, 6, 7, 26, -2}) EXPECT_EQ(RectFormForKind(kind), RectForm::edges);
}

TEST(Anchor, OddHalvesRoundTowardZero) {
  ExpectRows({
      // 301 - 100 = 201 halves to 100: the odd pixel goes right.
      {kAnchorCentreX | kAnchorTop, {0, 0, 100, 1}, 301, 10, {100, 0, 200, 1}},
      {kAnchorLeft | kAnchorCentreY, {0, 0, 1, 100}, 10, 201, {0, 50, 1, 150}},
      {kAnchorFromCentreX | kAnchorTop, {0, 0, 10, 1}, 301, 10, {150, 0, 160, 1}},
      {kAnchorLeftHalf | kAnchorTop, {0, 0, 0, 1}, 301, 10, {0, 0, 150, 1}},
      {kAnchorRightHalf | kAnchorTop, {0, 0, 0, 1}, 301, 10, {150, 0, 301, 1}},
      // A child wider than its parent: -11 / 2 is -5, not -6.
      {kAnchorCentreX | kAnchorTop, {0, 0, 21, 1}, 10, 10, {-5, 0, 16, 1}},
      {kAnchorFromCentreX | kAnchorTop, {0, 0, 4, 1}, -7, 10, {-3, 0, 1, 1}},
  });
}

TEST(Anchor, ImplementersChoices) {
  ExpectRows({
      // 0x1A0: between margins a and b horizontally (the centre bit picks no
      // half without an edge bit); vertically the centre-y row as it stands,
      // which puts these captions partly below their 30-high buttons.
      {0x1A0, {14, 9, 0, 25}, 120, 30, {14, 11, 120, 36}},
      {0x1A0, {12, 8, 0, 25}, 120, 30, {12, 10, 120, 35}},
      {0x1A0, {16, 8, 0, 25}, 120, 30, {16, 10, 120, 35}},
      // 0x200 covers the parent whatever the rectangle and other bits.
      {0x260, {0, 0, 0, 0}, 55, 53, {0, 0, 55, 53}},
      {0x260, {3, 4, 5, 6}, 55, 53, {0, 0, 55, 53}},
      {kAnchorCoverParent, {3, 4, 5, 6}, 55, 53, {0, 0, 55, 53}},
      // 0x108 with (0, 0, w, 16): left edge at the parent's right edge.
      {0x108, {0, 0, 80, 16}, 80, 20, {80, 2, 160, 18}},
      // An axis with no bits reads offset and size, in either form.
      {kAnchorTop, {5, 3, 40, 20}, 300, 200, {5, 3, 45, 23}},
      {kAnchorRight, {5, 3, 40, 20}, 300, 200, {295, 3, 335, 23}},
  });
}

TEST(Anchor, UnlistedCombinationsFollowThePriority) {
  const RECT r{10, 0, 20, 5};
  auto x = [&](std::uint32_t horizontal) {
    const Placement p = Place(horizontal | kAnchorTop, r, 300, 200);
    return std::pair{p.left, p.right};
  };
  // Both edges: the near edge wins.
  EXPECT_EQ(x(kAnchorLeft | kAnchorRight), (std::pair{10, 30}));
  // Centre with the far edge, or with both: centred and moved.
  EXPECT_EQ(x(kAnchorRight | kAnchorCentreX), (std::pair{150, 170}));
  EXPECT_EQ(x(kAnchorLeft | kAnchorRight | kAnchorCentreX), (std::pair{150, 170}));
  // Stretch with any edges but one centred half spans the whole axis.
  for (std::uint32_t extra : {kAnchorLeft, kAnchorRight, kAnchorLeft | kAnchorRight,
                              kAnchorLeft | kAnchorRight | kAnchorCentreX}) {
    EXPECT_EQ(x(kAnchorStretchX | extra), (std::pair{10, 280})) << extra;
  }
  // Bits outside the known nine change nothing; alone they leave flags 0.
  EXPECT_EQ(Place(0x80000406, r, 300, 200), Place(0x6, r, 300, 200));
  EXPECT_EQ(Place(0x1, r, 300, 200, RectForm::edges), (Placement{10, 0, 20, 5}));
}

TEST(Anchor, CombinationsInUse) {
  for (std::uint32_t anchor : kAnchorCombinationsInUse)
    EXPECT_TRUE(IsAnchorCombinationInUse(anchor));
  for (std::uint32_t anchor : {0x2u, 0x4u, 0x20u, 0x80u, 0x200u, 0x1u, 0x106u, 0x66u})
    EXPECT_FALSE(IsAnchorCombinationInUse(anchor)) << anchor;
}

TEST(Anchor, ExtremeValuesSaturate) {
  // 64-bit intermediates: W - a and a + b reach past 32 bits, then saturate.
  EXPECT_EQ(Place(kAnchorRight | kAnchorTop, {INT_MIN, 0, INT_MAX, 1}, INT_MAX, 1),
            (Placement{INT_MAX, 0, INT_MAX, 1}));
  EXPECT_EQ(Place(kAnchorTopLeft, {INT_MAX, INT_MIN, INT_MAX, INT_MIN}, 0, 0),
            (Placement{INT_MAX, INT_MIN, INT_MAX, INT_MIN}));
  EXPECT_EQ(Place(kAnchorFill, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, INT_MIN, INT_MIN),
            (Placement{INT_MAX, INT_MAX, INT_MIN, INT_MIN}));
  EXPECT_EQ(Place(kAnchorCentred, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MIN, INT_MAX),
            (Placement{INT_MIN, INT_MIN, INT_MIN, -1}));
  EXPECT_EQ(Place(0, {INT_MIN, INT_MIN, INT_MIN, INT_MIN}, 0, 0, RectForm::origin_and_size),
            (Placement{INT_MIN, INT_MIN, INT_MIN, INT_MIN}));

  EXPECT_EQ(Place(kAnchorCoverParent, {0, 0, 0, 0}, INT_MIN, INT_MAX),
            (Placement{0, 0, INT_MIN, INT_MAX}));
}

// Swaps the horizontal and vertical bits of a flag word.
std::uint32_t Transpose(std::uint32_t anchor) {
  constexpr std::pair<std::uint32_t, std::uint32_t> kPairs[] = {{kAnchorLeft, kAnchorTop},
                                                                {kAnchorRight, kAnchorBottom},
                                                                {kAnchorStretchX, kAnchorStretchY},
                                                                {kAnchorCentreX, kAnchorCentreY}};
  std::uint32_t out = anchor & kAnchorCoverParent;
  for (auto [x, y] : kPairs) {
    if ((anchor & x) != 0) out |= y;
    if ((anchor & y) != 0) out |= x;
  }
  return out;
}

// Both axes follow one rule: every flag word over the known bits, against
// extreme members and parent sizes, places the same with its axes swapped.
// The sanitizer build checks that none of this arithmetic is undefined.
TEST(Anchor, AxesAgreeEverywhere) {
  const int extremes[] = {INT_MIN, INT_MIN + 1, -7, -1, 0, 1, 7, INT_MAX - 1, INT_MAX};
  for (std::uint32_t anchor = 0; anchor <= kAnchorKnownBits; anchor += 2) {
    for (int m : extremes) {
      for (int n : extremes) {
        for (RectForm form : {RectForm::edges, RectForm::origin_and_size}) {
          const Placement p = Place(anchor, {m, n, n, m}, m, n, form);
          const Placement t = Place(Transpose(anchor), {n, m, m, n}, n, m, form);
          ASSERT_EQ(p, (Placement{t.top, t.left, t.bottom, t.right}))
              << "anchor 0x" << std::hex << anchor << std::dec << " m " << m << " n " << n;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ctrlelem
