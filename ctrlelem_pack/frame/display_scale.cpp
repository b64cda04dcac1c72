#include "frame/display_scale.h"

#include "screen/screen.h"

namespace ctrlelem {
namespace {

DisplayScale g_scale;

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
  g_scale.horizontal = static_cast<double>(display.LogPixelsX()) / 96.0;
  g_scale.vertical = static_cast<double>(display.LogPixelsY()) / 96.0;
}

DisplayScale CurrentDisplayScale() { return g_scale; }

int ScaledWidth(int base) { return ScaleTowardZero(base, g_scale.horizontal); }
int ScaledHeight(int base) { return ScaleTowardZero(base, g_scale.vertical); }

}  // namespace ctrlelem
