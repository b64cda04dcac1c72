#include "lng/overflow.h"

#include <span>
#include <unordered_map>

#include "common.h"
#include "schema/constants.h"
#include "text/measure.h"

namespace ctrlelem_tool::lng {
namespace {

// A line of text is its font's em height and a quarter more.
constexpr int kLineGapDivisor = 4;

}  // namespace

screen::FontRequest SiteFontRequest(const SiteFont& font) {
  const int size =
      font.point_size > 0 ? font.point_size : static_cast<int>(ctrlelem::schema::kTextSize);
  const bool bold = (font.style & ctrlelem::schema::kFontStyleLabel) != 0;
  return {font.face, size, bold ? ctrlelem::kFontBold : ctrlelem::kFontNormal};
}

std::wstring DrawnText(std::wstring_view text) {
  std::wstring drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&x" draws x, "&&" draws '&'
    drawn.push_back(text[i]);
  }
  return drawn;
}

int TextWidth(const SiteFont& font, std::wstring_view text) {
  const std::wstring drawn = DrawnText(text);
  const std::wstring_view view = drawn;
  return screen::Current().TextWidths(SiteFontRequest(font), std::span(&view, 1)).at(0);
}

bool Wraps(const TextSite& site) {
  if ((site.format & ctrlelem::schema::kFormatWordBreak) != 0) return true;
  if ((site.format & ctrlelem::schema::kFormatSingleLine) != 0 || !site.font) return false;
  const int em =
      -screen::FontHeight(SiteFontRequest(*site.font).point_size, screen::Current().LogPixelsY());
  const int line = em + em / kLineGapDivisor;
  return site.area_height >= 2 * line;
}

bool CausedByTranslation(const Overflow& overflow) {
  return overflow.english_width <= overflow.area_width ||
         overflow.text_width > overflow.english_width;
}

std::vector<Overflow> FindOverflows(const StringIndex& index, std::ostream& err) {
  BuildDescriptions(err);
  std::unordered_map<std::string, std::size_t> by_path;
  for (std::size_t i = 0; i < index.sites.size(); ++i) by_path.emplace(index.sites[i].path, i);

  std::vector<Overflow> overflows;
  for (TextSite& site : CollectRegisteredTextSites()) {
    if (!site.font || !site.area_width || Wraps(site) || site.text.empty()) continue;
    const auto found = by_path.find(site.path);
    if (found == by_path.end() || index.fitted[found->second]) continue;
    const int width = TextWidth(*site.font, site.text);
    if (width <= *site.area_width) continue;
    const int area = *site.area_width;
    const int english = index.english_width[found->second];
    overflows.push_back({std::move(site), index.shows[found->second], width, area, english});
  }
  return overflows;
}

}  // namespace ctrlelem_tool::lng
