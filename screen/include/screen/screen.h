// The screen layer: everything the description library asks of the screen.
//
// Builders ask for the two logical resolutions, four system metrics and the
// widths of strings drawn in a font. The answers come from the current backend:
// by default the platform's own (Win32 on Windows, the portable profile backend
// elsewhere); tests install a double with scripted answers.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace screen {

// The system metrics the descriptions depend on, named after their Win32
// indices.
enum class Metric { cxmenucheck, cxframe, cyframe, cycaption };

// A font to measure with: face name, size in points, weight (400 or 700).
struct FontRequest {
  std::wstring face;
  int point_size = 0;
  int weight = 400;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // Dots per logical inch, horizontally (LOGPIXELSX) and vertically (LOGPIXELSY).
  virtual int LogPixelsX() = 0;
  virtual int LogPixelsY() = 0;
  virtual int SystemMetric(Metric metric) = 0;
  // The widths in device pixels of the texts, all drawn in one font created for
  // this call at the height -MulDiv(point_size, LogPixelsY(), 72). A text that
  // cannot be measured (no font found) is 0 wide.
  virtual std::vector<int> TextWidths(const FontRequest& font,
                                      std::span<const std::wstring_view> texts) = 0;
};

// The backend in use. Never null.
Screen& Current();

// Installs a backend (tests, embedders); null restores the default backend.
void Install(std::shared_ptr<Screen> backend);

// Windows' MulDiv: a * b / c computed in 64 bits and rounded to nearest, halves
// away from zero; -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

}  // namespace screen
