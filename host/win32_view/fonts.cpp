#include "fonts.h"

#include <algorithm>
#include <climits>

namespace ctrlelem_view {
namespace {

// A font without a measurable height steps lines by its em and a quarter, as
// the screen layer does.
int FallbackLineHeight(int em) { return em + em / 4; }

}  // namespace

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::Get(const ctrlelem::layout::Font& font) {
  const Key key{font.face, font.point_size, font.weight, font.underline};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const int height = -MulDiv(font.point_size, dpi_y_, 72);
  HFONT made = CreateFontW(height, 0, 0, 0, font.weight, FALSE, font.underline ? TRUE : FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, font.face.c_str());
  if (made) fonts_.emplace(key, made);
  return made;
}

GdiMeasurer::GdiMeasurer(FontCache& fonts) : fonts_(fonts), dc_(GetDC(nullptr)) {}

GdiMeasurer::~GdiMeasurer() {
  if (dc_) ReleaseDC(nullptr, dc_);
}

std::vector<int> GdiMeasurer::Widths(const ctrlelem::layout::Font& font,
                                     std::span<const std::wstring_view> texts) {
  std::vector<int> widths(texts.size(), 0);
  HFONT hfont = fonts_.Get(font);
  if (!dc_ || !hfont) return widths;
  HGDIOBJ old = SelectObject(dc_, hfont);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    // GDI stops at nothing, the library's strings stop at their first NUL.
    const std::wstring_view text = texts[i].substr(0, texts[i].find(L'\0'));
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    SIZE extent{};
    if (GetTextExtentPoint32W(dc_, text.data(), length, &extent)) widths[i] = extent.cx;
  }
  SelectObject(dc_, old);
  return widths;
}

int GdiMeasurer::LineHeight(const ctrlelem::layout::Font& font) {
  const int fallback = FallbackLineHeight(CharacterHeight(font));
  HFONT hfont = fonts_.Get(font);
  if (!dc_ || !hfont) return fallback;
  HGDIOBJ old = SelectObject(dc_, hfont);
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(dc_, &metrics) && metrics.tmHeight > 0;
  SelectObject(dc_, old);
  return measured ? metrics.tmHeight : fallback;
}

int GdiMeasurer::CharacterHeight(const ctrlelem::layout::Font& font) {
  return MulDiv(font.point_size, fonts_.dpi_y(), 72);
}

}  // namespace ctrlelem_view
