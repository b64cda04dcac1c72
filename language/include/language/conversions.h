// The conversions of a label pattern, read with the rules of the label
// formatter (wvsprintfW's), so that a translation can be held against the
// English pattern it replaces: the language file loader keeps the English
// pattern where they differ, and `ctrlelem lng check` reports it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "language/export.h"

namespace language {

struct Conversions {
  std::vector<std::wstring> kinds;     // each as size and type ("s", "ls", "d"), in order
  std::vector<std::wstring> floating;  // floating-point conversions, as written
  int stray = 0;  // '%' signs that begin no conversion (the formatter drops them)
};

[[nodiscard]] LANGUAGE_API Conversions ReadConversions(std::wstring_view pattern);

// "%s %d" for a list of conversion kinds; "none" for an empty one.
[[nodiscard]] LANGUAGE_API std::wstring ConversionList(const std::vector<std::wstring>& kinds);

}  // namespace language
