#include "fonts.h"

#include <algorithm>
#include <climits>

namespace ctrlelem_view {
namespace {

// A font without a measurable height steps lines by its em and a quarter, as
// the screen layer does.
int FallbackLineHeight(int em) { return em + em / 4; }

// A text without a face of its own is in the host's dialog font. The layout
// model measures it as the screen layer does, as the generic sans-serif family,
// which on the systems the descriptions are made on is the face their own texts
// name. Asked by name, GDI gives that face where it is installed (Wine finds it
// through fontconfig) and its own sans-serif fallback where it is not, which is
// what an empty face gives.
constexpr wchar_t kDialogFace[] = L"DejaVu Sans";

}  // namespace

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

FontCache::Key FontCache::KeyOf(const ctrlelem::layout::Font& font) {
  return {font.face, font.point_size, font.weight, font.underline};
}

HFONT FontCache::Get(const ctrlelem::layout::Font& font) {
  const Key key = KeyOf(font);
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const int height = -MulDiv(font.point_size, dpi_y_, 72);
  HFONT made =
      CreateFontW(height, 0, 0, 0, font.weight, FALSE, font.underline ? TRUE : FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  FF_SWISS | DEFAULT_PITCH, font.face.empty() ? kDialogFace : font.face.c_str());
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
  const FontCache::Key key = FontCache::KeyOf(font);
  HGDIOBJ old = nullptr;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    // GDI stops at nothing, the library's strings stop at their first NUL.
    const std::wstring_view text = texts[i].substr(0, texts[i].find(L'\0'));
    auto [known, added] = fonts_.widths().try_emplace({key, std::wstring(text)}, 0);
    if (added) {
      if (!old) old = SelectObject(dc_, hfont);
      const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
      SIZE extent{};
      if (GetTextExtentPoint32W(dc_, text.data(), length, &extent)) known->second = extent.cx;
    }
    widths[i] = known->second;
  }
  if (old) SelectObject(dc_, old);
  return widths;
}

int GdiMeasurer::LineHeight(const ctrlelem::layout::Font& font) {
  const FontCache::Key key = FontCache::KeyOf(font);
  if (const auto known = fonts_.line_heights().find(key); known != fonts_.line_heights().end()) {
    return known->second;
  }
  int line = FallbackLineHeight(CharacterHeight(font));
  HFONT hfont = fonts_.Get(font);
  if (dc_ && hfont) {
    HGDIOBJ old = SelectObject(dc_, hfont);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc_, &metrics) && metrics.tmHeight > 0) line = metrics.tmHeight;
    SelectObject(dc_, old);
  }
  fonts_.line_heights().emplace(key, line);
  return line;
}

int GdiMeasurer::CharacterHeight(const ctrlelem::layout::Font& font) {
  return MulDiv(font.point_size, fonts_.dpi_y(), 72);
}

}  // namespace ctrlelem_view
