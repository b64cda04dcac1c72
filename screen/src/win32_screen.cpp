// The Win32 backend: the real screen, asked through GDI and USER, unless the
// screen profile was given (an option of the tool, CTRLELEM_DPI or
// CTRLELEM_METRICS): then resolutions and metrics are the profile's, as on every
// other platform, and GDI measures text at the profile's resolution.
#if defined(_WIN32)

#include <windows.h>

#include <algorithm>
#include <climits>

#include "default_backend.h"
#include "screen/profile.h"

namespace screen {
namespace {

// GetDeviceCaps of the whole screen's device context, released at once.
int ScreenDeviceCaps(int index) {
  HDC hdc = GetDC(nullptr);
  if (hdc == nullptr) return 0;
  const int value = GetDeviceCaps(hdc, index);
  ReleaseDC(nullptr, hdc);
  return value;
}

int SystemMetricIndex(Metric metric) {
  switch (metric) {
    case Metric::cxmenucheck:
      return SM_CXMENUCHECK;
    case Metric::cxframe:
      return SM_CXFRAME;
    case Metric::cyframe:
      return SM_CYFRAME;
    case Metric::cycaption:
      return SM_CYCAPTION;
  }
  return -1;
}

class Win32Screen final : public Screen {
 public:
  int LogPixelsX() override {
    const Profile profile = CurrentProfile();
    return profile.given ? profile.dpi_x : ScreenDeviceCaps(LOGPIXELSX);
  }
  int LogPixelsY() override {
    const Profile profile = CurrentProfile();
    return profile.given ? profile.dpi_y : ScreenDeviceCaps(LOGPIXELSY);
  }

  int SystemMetric(Metric metric) override {
    const Profile profile = CurrentProfile();
    return profile.given ? profile.Metric(metric) : GetSystemMetrics(SystemMetricIndex(metric));
  }

  // A device context and a font made for this one call, in the order the
  // measurement has always used: DC, font, select, extents, restore, delete,
  // release. A DC or font that cannot be had measures everything as 0.
  std::vector<int> TextWidths(const FontRequest& font,
                              std::span<const std::wstring_view> texts) override {
    std::vector<int> widths(texts.size(), 0);
    // In the screen DC a logical unit is a device pixel, so the font's height
    // alone carries the resolution.
    const int height = FontHeight(font.point_size, LogPixelsY());
    HDC hdc = GetDC(nullptr);
    if (hdc == nullptr) return widths;
    HFONT hfont = CreateFontW(height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FF_SWISS | DEFAULT_PITCH, font.face.c_str());
    if (hfont == nullptr) {
      ReleaseDC(nullptr, hdc);
      return widths;
    }
    HGDIOBJ old = SelectObject(hdc, hfont);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::wstring_view text = texts[i].substr(0, texts[i].find(L'\0'));
      const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
      SIZE extent{};
      if (GetTextExtentPoint32W(hdc, text.data(), length, &extent)) widths[i] = extent.cx;
    }
    SelectObject(hdc, old);
    DeleteObject(hfont);
    ReleaseDC(nullptr, hdc);
    return widths;
  }

  // The font's tmHeight, from a font made as for TextWidths.
  int LineHeight(const FontRequest& font) override {
    const int dpi = LogPixelsY();
    int line = DefaultLineHeight(font.point_size, dpi);
    HDC hdc = GetDC(nullptr);
    if (hdc == nullptr) return line;
    HFONT hfont = CreateFontW(FontHeight(font.point_size, dpi), 0, 0, 0, font.weight, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, font.face.c_str());
    if (hfont != nullptr) {
      HGDIOBJ old = SelectObject(hdc, hfont);
      TEXTMETRICW metrics{};
      if (GetTextMetricsW(hdc, &metrics) && metrics.tmHeight > 0) line = metrics.tmHeight;
      SelectObject(hdc, old);
      DeleteObject(hfont);
    }
    ReleaseDC(nullptr, hdc);
    return line;
  }
};

}  // namespace

Screen& DefaultBackend() {
  static Win32Screen backend;
  return backend;
}

}  // namespace screen

#endif  // _WIN32
