// The checks of a language file against the built-in tables and against the
// descriptions that show its strings (`ctrlelem lng check`, `lng stats`).
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "json_writer.h"
#include "language/strings.h"
#include "lng/string_index.h"

namespace ctrlelem_tool::lng {

enum class Severity { warning, error };

struct LngFinding {
  std::string code;  // missing, unknown, format, accelerator, blank, overflow
  Severity severity = Severity::warning;
  int table = 0;
  int id = 0;
  std::string message;
  std::vector<std::string> where;  // element paths, where the finding has a place
  std::string axis;                // of an overflow: "width" or "height"
  int line = 0;                    // the entry's line in the file; 0 when it has none
};

struct Coverage {
  int translated = 0;
  int total = 0;
};

struct LngReport {
  std::string file;
  std::map<int, Coverage> coverage;  // by table
  std::vector<LngFinding> findings;  // grouped by code in the order of kCodes, then by table and id
  int errors = 0;
  int warnings = 0;
};

// The codes in the order reports group them.
inline constexpr const char* kCodes[] = {"unknown", "format",      "overflow",
                                         "missing", "accelerator", "blank"};

// Checks the file at the current screen. `index` and `english` come from
// BuildStringIndex and BuiltinStrings at that screen. A file that cannot be
// read or parsed gives the parser's error. Leaves the file's language current.
[[nodiscard]] std::optional<language::Error> CheckLngFile(const std::string& path,
                                                          const StringIndex& index,
                                                          const StringTable& english,
                                                          LngReport& report, std::ostream& err);

// One line per finding grouped by code, errors first, then coverage and
// counts. Missing strings are one count line per table unless `list_missing`.
void PrintReport(const LngReport& report, std::ostream& out, bool list_missing = false);
Json ReportToJson(const LngReport& report);

}  // namespace ctrlelem_tool::lng
