// Texts that do not fit their boxes, from the layout model: the check behind
// `lng check`'s overflow findings and `lng where`'s boxes. The layout is the
// one `render` draws, so both judge every text alike.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ctrlelem_pack/layout.h"
#include "lng/string_index.h"

namespace ctrlelem_tool::lng {

// The text as drawn: a single '&' marks the access key and is not drawn, "&&"
// draws one '&'.
std::wstring DrawnText(std::wstring_view text);

// The layout of every registered description at its own size and the current
// screen, with every state of every button laid out.
std::map<std::uint32_t, ctrlelem::layout::Layout> RegisteredLayouts();

// The path of the value that holds a laid-out element's text, as the text
// sites spell it ("... > child 3 > key 2"); an information bar's text keeps
// its own path, and its runs lie below it.
std::string TextValuePath(const ctrlelem::layout::Element& element);

// The laid-out elements by the path of the value that holds their text.
std::map<std::string, const ctrlelem::layout::Element*> ElementsByTextPath(
    const std::map<std::uint32_t, ctrlelem::layout::Layout>& layouts);

struct Overflow {
  std::string path;              // of the text's value
  std::wstring text;             // in the current language
  std::vector<StringKey> shows;  // the strings its text is made of
  ctrlelem::layout::Axis axis = ctrlelem::layout::Axis::width;
  int needed = 0;  // device pixels at the current screen
  int available = 0;
  bool visible = true;
};

// Builds the descriptions in the current language and screen and returns every
// text that needs more width or height than its box, English texts included.
// `index` (BuildStringIndex at the same screen) names the strings each shows.
std::vector<Overflow> FindOverflows(const StringIndex& index, std::ostream& err);

}  // namespace ctrlelem_tool::lng
