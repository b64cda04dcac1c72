#include "lng/overflow.h"

#include "common.h"
#include "ctrlelem_pack/schema/element_path.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "frame/registry.h"
#include "layout/screen_measurer.h"

namespace ctrlelem_tool::lng {
namespace {

namespace layout = ctrlelem::layout;
namespace schema = ctrlelem::schema;

// The key that holds the text of an element of each kind.
int TextKeyOf(const layout::Element& element) {
  return element.kind == schema::kCaptionedField ? schema::key::control::kValue
                                                 : schema::key::text::kText;
}

}  // namespace

std::wstring DrawnText(std::wstring_view text) {
  std::wstring drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&x" draws x, "&&" draws '&'
    drawn.push_back(text[i]);
  }
  return drawn;
}

std::map<std::uint32_t, layout::Layout> RegisteredLayouts() {
  layout::Options options = ScreenLayoutOptions();
  options.all_states = true;
  ScreenMeasurer measurer;
  std::map<std::uint32_t, layout::Layout> layouts;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    options.id = id;
    layouts.emplace(id, layout::LayOut(ctrlelem::Lookup(id), 0, 0, measurer, options));
  }
  return layouts;
}

std::string TextValuePath(const layout::Element& element) {
  if (element.part != layout::Part::element) return element.path;
  return schema::PathStep(element.path, "key", TextKeyOf(element));
}

std::map<std::string, const layout::Element*> ElementsByTextPath(
    const std::map<std::uint32_t, layout::Layout>& layouts) {
  std::map<std::string, const layout::Element*> by_path;
  for (const auto& [id, laid_out] : layouts) {
    for (const layout::Element& element : laid_out.elements) {
      if (element.text) by_path.emplace(TextValuePath(element), &element);
    }
  }
  return by_path;
}

std::vector<Overflow> FindOverflows(const StringIndex& index, std::ostream& err) {
  BuildDescriptions(err);
  const std::map<std::uint32_t, layout::Layout> layouts = RegisteredLayouts();
  std::vector<Overflow> overflows;
  for (const auto& [id, laid_out] : layouts) {
    for (const layout::Overflow& found : layout::FindOverflows(laid_out)) {
      const layout::Element& element = *found.element;
      Overflow overflow{TextValuePath(element), element.text->text, {}, found.axis, found.needed,
                        found.available,        element.visible};
      if (const long long site = index.Find(overflow.path); site >= 0) {
        overflow.shows = index.shows[static_cast<std::size_t>(site)];
      } else {
        // An information bar's text: the strings of its runs.
        for (auto at = index.by_path.lower_bound(overflow.path + " > ");
             at != index.by_path.end() && at->first.starts_with(overflow.path + " > "); ++at) {
          for (const StringKey& key : index.shows[at->second]) overflow.shows.push_back(key);
        }
      }
      overflows.push_back(std::move(overflow));
    }
  }
  return overflows;
}

}  // namespace ctrlelem_tool::lng
