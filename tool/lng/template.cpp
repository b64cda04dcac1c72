#include "lng/template.h"

#include <map>
#include <set>

#include "frame/registry.h"
#include "language/strings.h"
#include "language/utf8.h"
#include "lng/lng_lines.h"
#include "lng/string_index.h"
#include "schema/kind_table.h"
#include "schema/readers.h"

namespace ctrlelem_tool::lng {
namespace {

// Places named per entry; the rest are counted.
constexpr std::size_t kPlacesShown = 2;

// "window 1 "Wembrix Video Chat"", "menu 7": what a path's description is.
std::string DescriptionName(std::uint32_t id) {
  const __packet description = ctrlelem::Lookup(id);
  const int kind = description.kind().value_or(0);
  std::string name = std::string(ctrlelem::schema::KindName(kind)) + " " + std::to_string(id);
  const ctrlelem::schema::TextValue caption =
      ctrlelem::schema::ReadText(description, ctrlelem::schema::key::window::kCaption);
  if (kind != ctrlelem::schema::kMenu && !caption.text.empty()) {
    name += " \"" + language::WideToUtf8(caption.text) + "\"";
  }
  return name;
}

// The element a text value belongs to: its path without the value's key and,
// for a button's caption, without the state group's key, so the four (or
// eight) states of one button are one place.
std::string ElementOf(const std::string& value_path) {
  static const std::set<std::string> kCaptionSteps = {"key 6",  "key 9",  "key 12", "key 15",
                                                      "key 19", "key 22", "key 25", "key 28"};
  std::string path = value_path.substr(0, value_path.rfind(" > "));
  const std::size_t last = path.rfind(" > ");
  if (last != std::string::npos && kCaptionSteps.contains(path.substr(last + 3))) {
    path.resize(last);
  }
  return path;
}

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
    places.insert(names[text.description] + ": " + ElementOf(text.path));
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
