#include "frame/display_scale.h"

#include <atomic>

#include "screen/screen.h"

namespace ctrlelem {
namespace {

// Written by every InitPacketsLib, read by its builders; atomic, so a second
// InitPacketsLib (or a test) computing it anew never tears a reader's value.
std::atomic<double> g_horizontal{0.0};
std::atomic<double> g_vertical{0.0};

int ScaleTowardZero(int base, double factor) {
  const double scaled = static_cast<double>(base) * factor;
  // Converting an out-of-range double is undefined; a sane screen never gets
  // near the limits, an insane one saturates.
  if (!(scaled > -2147483648.0)) return scaled < 0 ? -2147483647 - 1 : 0;
  if (scaled >= 2147483647.0) return 2147483647;
  return static_cast<int>(scaled);
}

}  // namespace

void ComputeDisplayScale() {
  screen::Screen& display = screen::Current();
  g_horizontal.store(static_cast<double>(display.LogPixelsX()) / 96.0, std::memory_order_relaxed);
  g_vertical.store(static_cast<double>(display.LogPixelsY()) / 96.0, std::memory_order_relaxed);
}

DisplayScale CurrentDisplayScale() {
  return {g_horizontal.load(std::memory_order_relaxed), g_vertical.load(std::memory_order_relaxed)};
}

int ScaledWidth(int base) {
  return ScaleTowardZero(base, g_horizontal.load(std::memory_order_relaxed));
}
int ScaledHeight(int base) {
  return ScaleTowardZero(base, g_vertical.load(std::memory_order_relaxed));
}

}  // namespace ctrlelem
