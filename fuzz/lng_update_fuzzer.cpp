// Any bytes as a language file given to `ctrlelem lng update`: a file that
// parses updates to one that parses to the same name and the same texts (less
// the entries of ids the tables lack, which are commented out), and a second
// update changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "language/strings.h"
#include "lng/lng_lines.h"
#include "lng/lng_update.h"
#include "lng_file.h"

namespace {

namespace lng = ctrlelem_tool::lng;

const lng::EntryLines& English() {
  static const lng::EntryLines lines = [] {
    lng::EntryLines entries;
    for (const lng::LngLine& line : lng::SplitLngLines(language::BuiltinTablesAsLng())) {
      if (line.kind == lng::LineKind::entry) {
        entries[{line.table, line.id}] = std::string(lng::LineText(line));
      }
    }
    return entries;
  }();
  return lines;
}

// The file's texts of the ids the tables know.
language::LngData Known(language::LngData data) {
  for (const int table : {1, 2}) {
    auto& entries = table == 1 ? data.table1 : data.table2;
    std::erase_if(entries, [table](const auto& entry) {
      return !English().contains({table, entry.first});
    });
  }
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  language::LngData before;
  if (language::ParseLng(content, "fuzz.lng", before)) return 0;
  const std::string once = lng::UpdateLngContent(content, English());
  language::LngData after;
  if (language::ParseLng(once, "updated.lng", after)) std::abort();
  if (!(after == Known(before))) std::abort();
  if (lng::UpdateLngContent(once, English()) != once) std::abort();
  return 0;
}
