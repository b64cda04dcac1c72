// The rectangles that follow the measured width of a localised string. Results
// are 32-bit ints, computed in 64 bits and saturated to the int range, so every
// input gives a defined result; halving truncates toward zero, so a negative
// difference halves toward zero as well (-7 gives -3).
#pragma once

#include <span>
#include <vector>

#include "language/win_types.h"

namespace ctrlelem {

// The narrowest a fitted button or label may be.
inline constexpr int kMinimumFittedWidth = 44;

// max(cx, 44): a width raised to the minimum where a use asks for it.
int ClampToMinimumWidth(int cx);

// x / 2, truncated toward zero.
int HalfTowardZero(int x);

// A check box centred in a dialog W pixels wide: its box is the label width
// plus the check mark (SM_CXMENUCHECK) plus 4. The metric is read afresh for the
// left edge and again for the right, as the rule has always done.
RECT CentredCheckBox(int label_width, int dialog_width, int top, int bottom);

// A row of buttons that grow with their labels and abut, starting at x = 2.
struct ButtonRow {
  std::vector<RECT> buttons;  // (x_i, 2, w_i + 4, 48)
  std::vector<RECT> labels;   // (0, 20, w_i, 16), each inside its button
  int total = 0;              // S = w_1 + ... + w_n (the clamped widths)
};
ButtonRow GrowingButtonRow(std::span<const int> measured);

// Two widths placed around a common point: the text showing the second string
// starts at text_left, the button showing the first at button_left.
struct WidthPairPlacement {
  int text_left = 0;    // h - half of b
  int button_left = 0;  // half of a - h
  int h = 0;            // half of (a + b + 3)
};
WidthPairPlacement WidthPair(int a, int b);

}  // namespace ctrlelem
