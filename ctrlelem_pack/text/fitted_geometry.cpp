#include "text/fitted_geometry.h"

#include <algorithm>

#include "screen/screen.h"

namespace ctrlelem {
namespace {

constexpr int kCheckBoxPadding = 4;  // between the check mark and the label

constexpr int kRowStartX = 2;
constexpr int kButtonTop = 2;
constexpr int kButtonPadding = 4;  // a button is its label plus 4
constexpr int kButtonBottom = 48;
constexpr int kLabelTop = 20;
constexpr int kLabelBottom = 16;

int MenuCheckWidth() { return screen::Current().SystemMetric(screen::Metric::cxmenucheck); }

}  // namespace

int ClampToMinimumWidth(int cx) { return std::max(cx, kMinimumFittedWidth); }

int HalfTowardZero(int x) { return x / 2; }

RECT CentredCheckBox(int label_width, int dialog_width, int top, int bottom) {
  const int box_width = label_width + MenuCheckWidth() + kCheckBoxPadding;
  const int left = HalfTowardZero(dialog_width - box_width);
  const int right = left + label_width + MenuCheckWidth() + kCheckBoxPadding;
  return RECT{left, top, right, bottom};
}

ButtonRow GrowingButtonRow(std::span<const int> measured) {
  ButtonRow row;
  int x = kRowStartX;
  for (int cx : measured) {
    const int w = ClampToMinimumWidth(cx);
    row.buttons.push_back(RECT{x, kButtonTop, w + kButtonPadding, kButtonBottom});
    row.labels.push_back(RECT{0, kLabelTop, w, kLabelBottom});
    row.total += w;
    x += w + kButtonPadding;
  }
  return row;
}

WidthPairPlacement WidthPair(int a, int b) {
  const int h = HalfTowardZero(a + b + 3);
  return WidthPairPlacement{h - HalfTowardZero(b), HalfTowardZero(a) - h, h};
}

}  // namespace ctrlelem
