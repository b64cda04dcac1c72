// Where each string of the two tables is shown. The descriptions are built
// from a language in which every string carries a tag of its own; reading the
// tags back off every text of every description tells which strings a text is
// made of, also where a pattern was formatted with an argument or an
// information-bar text was parsed into runs.
#pragma once

#include <compare>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "lng/text_sites.h"

namespace ctrlelem_tool::lng {

struct StringKey {
  int table = 0;  // 1 or 2
  int id = 0;
  auto operator<=>(const StringKey&) const = default;
};

// The built-in English strings of both tables.
using StringTable = std::map<StringKey, std::wstring>;
StringTable BuiltinStrings();
// The entry lines of the built-in tables as the exporter writes them
// ("ID = TEXT", without line ending).
using EntryLines = std::map<StringKey, std::string>;
EntryLines BuiltinEntryLines();

// The string that names the face of the measuring font: it is not shown, so
// the index has no place for it (its value changes every fitted width).
inline constexpr StringKey kMeasuringFace = {1, 20};

struct StringIndex {
  std::vector<TextSite> sites;                // every text, from the tagged build
  std::vector<std::vector<StringKey>> shows;  // per site: the strings in its text, in order
  std::vector<bool> fitted;                   // per site: its box is sized from its own text
  std::map<StringKey, std::vector<std::size_t>> uses;  // string -> sites showing it

  std::map<std::string, std::size_t> by_path;

  // The site of the same path, or -1.
  long long Find(const std::string& path) const;
};

// Builds the index at the current screen. Leaves the built-in tables current
// and the registry filled from them; the caller chooses a language again.
StringIndex BuildStringIndex(std::ostream& err);

}  // namespace ctrlelem_tool::lng
