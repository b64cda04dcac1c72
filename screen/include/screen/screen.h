// The screen layer: everything the description library asks of the screen.
//
// Builders ask for the two logical resolutions, four system metrics and the
// widths of strings drawn in a font. The answers come from the current backend:
// by default the platform's own (Win32 on Windows, the portable profile backend
// of profile.h elsewhere); tests install a double with scripted answers
// (scripted_screen.h).
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace screen {

// The system metrics the descriptions depend on, named after their Win32
// indices (SM_CXMENUCHECK, SM_CXFRAME, SM_CYFRAME, SM_CYCAPTION).
enum class Metric { cxmenucheck, cxframe, cyframe, cycaption };

// A font to measure with: face name, size in points, weight (400 normal, 700
// bold). Never italic, underlined or struck out.
struct FontRequest {
  std::wstring face;
  int point_size = 0;
  int weight = 400;

  bool operator==(const FontRequest&) const = default;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // Dots per logical inch, horizontally (LOGPIXELSX) and vertically (LOGPIXELSY).
  virtual int LogPixelsX() = 0;
  virtual int LogPixelsY() = 0;
  virtual int SystemMetric(Metric metric) = 0;
  // The widths in device pixels of the texts, all drawn in one font created for
  // this call at the height FontHeight(point_size, LogPixelsY()). A text that
  // cannot be measured (no font found) is 0 wide. One width per text, in order.
  virtual std::vector<int> TextWidths(const FontRequest& font,
                                      std::span<const std::wstring_view> texts) = 0;
  // The height of one line of the font (the step between lines of a text that
  // breaks), in device pixels. Backends that cannot ask a font answer with
  // the em height and a quarter more, DefaultLineHeight.
  virtual int LineHeight(const FontRequest& font);
};

// em + em / 4, em being the font's character height at log_pixels_y.
int DefaultLineHeight(int point_size, int log_pixels_y);

// The backend in use. The reference stays valid until the backend is replaced
// by Install; the default backend lives for the whole process.
Screen& Current();

// Installs a backend (tests, embedders); null restores the default backend.
// Thread-safe with respect to Current and Installed.
void Install(std::shared_ptr<Screen> backend);

// The backend given to the last Install, or null when the default is in use.
std::shared_ptr<Screen> Installed();

// Installs a backend for the life of the object and then puts back whatever was
// installed before (the default included).
class ScopedScreen {
 public:
  explicit ScopedScreen(std::shared_ptr<Screen> backend) : previous_(Installed()) {
    Install(std::move(backend));
  }
  ~ScopedScreen() { Install(std::move(previous_)); }
  ScopedScreen(const ScopedScreen&) = delete;
  ScopedScreen& operator=(const ScopedScreen&) = delete;

 private:
  std::shared_ptr<Screen> previous_;
};

// Windows' MulDiv: a * b / c computed in 64 bits and rounded to nearest, halves
// away from zero; -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// The height a measuring font is created with: -MulDiv(point_size, log_pixels_y,
// 72). Negative, because it asks for the character (em) height rather than the
// cell height: 9 pt is -12 at 96 dpi and -15 at 120.
int FontHeight(int point_size, int log_pixels_y);

}  // namespace screen
