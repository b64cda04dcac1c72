// Localised strings and the list of installed languages.
//
// Strings live in two tables (1 and 2) of numbered texts. The built-in English
// tables are compiled into the library; a language file (.lng, format in the
// README) overrides any of their texts, and a text the file lacks falls back to
// the built-in one.
//
// Choosing the language: call SetLanguageFile / SetLanguagesDir, or, in a
// process that uses the library unchanged, set the environment variables
// CTRLELEM_LANGUAGE_FILE and CTRLELEM_LANGUAGES_DIR; they are read once, on the
// first lookup, and only for what no call has set.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "language/error.h"
#include "language/export.h"

// The text of string `id` of `table` (1 or 2) in the current language. The
// pointer stays valid for the life of the process. An unknown id or table gives
// the empty string. `flag` is reserved and ignored.
LANGUAGE_API const wchar_t* LoadResourceString(int id, int table, int flag);

// The installed languages: full path of each .lng file of the languages folder,
// mapped to the language's display name. Files that do not parse are left out
// (and reported through the diagnostics channel).
LANGUAGE_API std::map<std::wstring, std::wstring> GetLeguagesList();

namespace language {

// Makes the file the current language. On error nothing of the file is used,
// the built-in tables stay current, and the error ("FILE:LINE: REASON", or
// "FILE: REASON" when the file as a whole is at fault) is returned and also
// reported through the diagnostics channel. An empty path selects the built-in
// tables and never fails.
// An entry whose pattern has other conversions than the English pattern of the
// same string (%d for %s, one more or one fewer) is malformed: the English
// pattern stays for that string, and a diagnostic names the file, the line and
// the string.
// Not [[nodiscard]]: a caller that selects the built-in tables, or leaves
// errors to the diagnostics channel, has nothing to look at.
LANGUAGE_API std::optional<Error> SetLanguageFile(const std::string& path);

// The folder whose .lng files GetLeguagesList lists. Unset (or empty): the list
// is empty.
LANGUAGE_API void SetLanguagesDir(const std::string& dir);

// Checks a language file without making it current.
[[nodiscard]] LANGUAGE_API std::optional<Error> CheckLanguageFile(const std::string& path);

// The texts a language file gives, by table and id, exactly as written (a
// pattern that SetLanguageFile would set aside included), without making it
// current: what a checker holds against the English texts. `name`, when
// given, receives the file's [language] name, and `code` its language code
// (`de`, `fr-CA`); each empty when the file gives none.
[[nodiscard]] LANGUAGE_API std::optional<Error> ReadLanguageTexts(
    const std::string& path, std::map<std::pair<int, int>, std::wstring>& texts,
    std::wstring* name = nullptr, std::string* code = nullptr);

// The built-in English tables written as a language file: the translator's
// starting point. Parsing it back gives exactly the built-in tables.
[[nodiscard]] LANGUAGE_API std::string BuiltinTablesAsLng();

}  // namespace language
