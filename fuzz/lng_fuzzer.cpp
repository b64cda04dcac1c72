// Any bytes as a language file: never a crash, and what is accepted survives
// being written back in the file syntax and read again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lng_file.h"
#include "utf.h"

namespace {

std::string Rewrite(const language::LngData& data) {
  std::string out = "[language]\n";
  if (data.name) out += "name = " + language::LngTextSyntax(*data.name) + "\n";
  if (data.code) out += "code = " + *data.code + "\n";
  const std::map<int, std::wstring>* tables[] = {&data.table1, &data.table2};
  for (int table = 1; table <= 2; ++table) {
    out += "[table " + std::to_string(table) + "]\n";
    for (const auto& [id, text] : *tables[table - 1]) {
      out += std::to_string(id) + " = " + language::LngTextSyntax(text) + "\n";
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  language::LngData parsed;
  if (language::ParseLng(content, "fuzz.lng", parsed)) return 0;
  language::LngData again;
  if (language::ParseLng(Rewrite(parsed), "again.lng", again) || !(again == parsed)) std::abort();
  return 0;
}
