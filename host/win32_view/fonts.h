// Fonts made as the description library measures with them, and the layout
// model's measurer on them: the host measures with the same GDI calls, at the
// same resolution, so its layout is the one the descriptions were sized for.
#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "ctrlelem_pack/layout.h"

namespace ctrlelem_view {

// GDI fonts by request, made once and kept for the life of the cache.
class FontCache {
 public:
  explicit FontCache(int dpi_y) : dpi_y_(dpi_y) {}
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font at -MulDiv(points, dpi_y, 72) (its em height); null if GDI refuses.
  HFONT Get(const ctrlelem::layout::Font& font);
  int dpi_y() const { return dpi_y_; }

  // Measurements already made, by font and text: every window is laid out in
  // six states and again on each resize, always with the same texts.
  using Key = std::tuple<std::wstring, int, int, bool>;
  static Key KeyOf(const ctrlelem::layout::Font& font);
  std::map<std::pair<Key, std::wstring>, int>& widths() { return widths_; }
  std::map<Key, int>& line_heights() { return line_heights_; }

 private:
  int dpi_y_;
  std::map<Key, HFONT> fonts_;
  std::map<std::pair<Key, std::wstring>, int> widths_;
  std::map<Key, int> line_heights_;
};

// Measures on the screen's device context, where a logical unit is a pixel.
class GdiMeasurer final : public ctrlelem::layout::Measurer {
 public:
  explicit GdiMeasurer(FontCache& fonts);
  ~GdiMeasurer() override;
  GdiMeasurer(const GdiMeasurer&) = delete;
  GdiMeasurer& operator=(const GdiMeasurer&) = delete;

  std::vector<int> Widths(const ctrlelem::layout::Font& font,
                          std::span<const std::wstring_view> texts) override;
  int LineHeight(const ctrlelem::layout::Font& font) override;
  int CharacterHeight(const ctrlelem::layout::Font& font) override;

 private:
  FontCache& fonts_;
  HDC dc_;
};

}  // namespace ctrlelem_view
