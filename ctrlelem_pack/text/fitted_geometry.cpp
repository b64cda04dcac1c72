#include "text/fitted_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

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

std::int64_t MenuCheckWidth() {
  return screen::Current().SystemMetric(screen::Metric::cxmenucheck);
}

// Sums of a few ints cannot overflow 64 bits; what does not fit an int is
// pinned to its nearest end, so a huge measured text gives a huge rectangle,
// never a wrapped-around one.
int Saturate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::int64_t Half(std::int64_t x) { return x / 2; }

}  // namespace

int ClampToMinimumWidth(int cx) { return std::max(cx, kMinimumFittedWidth); }

int HalfTowardZero(int x) { return x / 2; }

RECT CentredCheckBox(int label_width, int dialog_width, int top, int bottom) {
  const std::int64_t box_width = std::int64_t{label_width} + MenuCheckWidth() + kCheckBoxPadding;
  const std::int64_t left = Half(dialog_width - box_width);
  const std::int64_t right = left + label_width + MenuCheckWidth() + kCheckBoxPadding;
  return RECT{Saturate(left), top, Saturate(right), bottom};
}

ButtonRow GrowingButtonRow(std::span<const int> measured) {
  ButtonRow row;
  std::int64_t x = kRowStartX;
  std::int64_t total = 0;
  for (int cx : measured) {
    const int w = ClampToMinimumWidth(cx);
    row.buttons.push_back(
        RECT{Saturate(x), kButtonTop, Saturate(std::int64_t{w} + kButtonPadding), kButtonBottom});
    row.labels.push_back(RECT{0, kLabelTop, w, kLabelBottom});
    total += w;
    x += std::int64_t{w} + kButtonPadding;
  }
  row.total = Saturate(total);
  return row;
}

WidthPairPlacement WidthPair(int a, int b) {
  const std::int64_t h = Half(std::int64_t{a} + b + 3);
  return WidthPairPlacement{Saturate(h - Half(b)), Saturate(Half(a) - h), Saturate(h)};
}

}  // namespace ctrlelem
