// Language files (.lng): reading them into string tables and writing texts in
// their syntax.
//
// A language file is UTF-8 text (a leading byte-order mark is skipped) in
// sections:
//
//   ; comment           (also '#'; blank lines are ignored too)
//   [language]
//   name = Deutsch
//   code = de           (optional: the language's code, for labelling text)
//   [table 1]
//   2 = Hauptfenster
//   7 = "  kept blanks\n"
//
// Blanks around '=' and at the end of a line are dropped. A text in double
// quotes keeps its blanks and knows the escapes \" \\ \n \t; an unquoted text
// is taken literally. Texts and names hold no control character but TAB (a
// line break only as \n in quotes); a line that gives one is refused.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "language/limits.h"
#include "language/strings.h"

namespace language {

// What is wrong with a language file, and where: the parser's detail, which the
// public functions hand on as an Error with message().
struct LngError {
  std::string file;  // the path as given
  int line = 0;      // 1-based; 0 when the file as a whole is at fault (cannot be read)
  std::string reason;

  // "FILE:LINE: REASON", or "FILE: REASON" when line is 0.
  std::string message() const;
  Error ToError() const { return Error{message()}; }
};

// What one language file holds.
struct LngData {
  std::optional<std::wstring> name;  // the [language] name, when the file gives one
  std::optional<std::string> code;   // the [language] code (`de`, `fr-CA`), when given
  std::map<int, std::wstring> table1;
  std::map<int, std::wstring> table2;

  // The text of `id` in `table` (1 or 2); null when the file does not give it.
  const std::wstring* Find(int id, int table) const;

  friend bool operator==(const LngData&, const LngData&) = default;
};

// The longest text a language file may give, in characters (escapes counted
// once decoded): many times the longest label or message. Some strings recur
// hundreds of times in the descriptions (the text face in every text
// element), so a longer one would make the descriptions a thousand times the
// file's size; the file is refused instead.
inline constexpr std::size_t kMaxTextLength = 4096;

// The line of each entry, by table and id: what diagnostics about an entry name.
using EntryLines = std::map<std::pair<int, int>, int>;

// Parses the content of a language file; `file` names it in the error. On
// error `out` is left unchanged. `lines`, when given, receives the entries'
// lines.
std::optional<LngError> ParseLng(std::string_view content, const std::string& file, LngData& out,
                                 EntryLines* lines = nullptr);

// Reads and parses the file at `path` (UTF-8). On error `out` is left unchanged.
std::optional<LngError> ReadLngFile(const std::string& path, LngData& out,
                                    EntryLines* lines = nullptr);
// The same for a filesystem path, named `file` in the error.
std::optional<LngError> ReadLngFile(const std::filesystem::path& path, const std::string& file,
                                    LngData& out, EntryLines* lines = nullptr);

// How `text` is written after "ID = " so that parsing gives it back: as is
// where that is safe, else in double quotes with escapes. UTF-8.
std::string LngTextSyntax(std::wstring_view text);

}  // namespace language
