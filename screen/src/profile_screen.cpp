// The portable backend: resolutions and metrics from the profile, text widths
// from a real font through fontconfig and FreeType.
#if !defined(_WIN32)

#include "default_backend.h"
#include "screen/profile.h"
#include "text_measure.h"

namespace screen {
namespace {

class ProfileScreen final : public Screen {
 public:
  int LogPixelsX() override { return CurrentProfile().dpi_x; }
  int LogPixelsY() override { return CurrentProfile().dpi_y; }
  int SystemMetric(Metric metric) override { return CurrentProfile().Metric(metric); }
  std::vector<int> TextWidths(const FontRequest& font,
                              std::span<const std::wstring_view> texts) override {
    return MeasureWithFreeType(font, CurrentProfile().dpi_y, texts);
  }
  int LineHeight(const FontRequest& font) override {
    const int dpi = CurrentProfile().dpi_y;
    const int height = LineHeightWithFreeType(font, dpi);
    return height > 0 ? height : DefaultLineHeight(font.point_size, dpi);
  }
};

}  // namespace

Screen& DefaultBackend() {
  static ProfileScreen backend;
  return backend;
}

}  // namespace screen

#endif  // !_WIN32
