#include "lng/template.h"

#include <map>
#include <set>

#include "language/strings.h"
#include "lng/lng_lines.h"
#include "lng/string_index.h"
#include "lng/text_sites.h"

namespace ctrlelem_tool::lng {
namespace {

// Places named per entry; the rest are counted.
constexpr std::size_t kPlacesShown = 2;

std::string WhereComment(const StringIndex& index, const StringKey& key,
                         std::map<std::uint32_t, std::string>& names) {
  const auto uses = index.uses.find(key);
  if (uses == index.uses.end()) return "; shown nowhere\n";
  std::set<std::string> places;
  for (const std::size_t site : uses->second) {
    const TextSite& text = index.sites[site];
    if (!names.contains(text.description)) {
      names[text.description] = DescriptionName(text.description);
    }
    places.insert(names[text.description] + ": " + ElementPathOf(text.path));
  }
  std::string comment = "; in ";
  std::size_t shown = 0;
  for (const std::string& place : places) {
    if (shown == kPlacesShown) break;
    comment += (shown++ == 0 ? "" : "; ") + place;
  }
  if (places.size() > shown) comment += " and " + std::to_string(places.size() - shown) + " more";
  return comment + "\n";
}

}  // namespace

std::string AnnotatedTemplate(std::ostream& err) {
  const StringIndex index = BuildStringIndex(err);
  std::map<std::uint32_t, std::string> names;
  std::string out;
  for (const LngLine& line : SplitLngLines(language::BuiltinTablesAsLng())) {
    if (line.kind == LineKind::entry) {
      const StringKey key{line.table, line.id};
      if (key == kMeasuringFace) {
        out +=
            "; a font face, not a text to translate: the face text-fitted widths are measured "
            "in\n";
      } else if (key == StringKey{2, 20}) {
        out += "; a font face, not a text to translate: the face every text is drawn in\n";
      } else {
        out += WhereComment(index, key, names);
      }
    }
    out += line.bytes;
  }
  return out;
}

}  // namespace ctrlelem_tool::lng
