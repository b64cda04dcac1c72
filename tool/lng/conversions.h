// The conversions of a label pattern, read with the rules of the label
// formatter (text/format_label.h), so that a translation can be held against
// the English pattern it replaces.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ctrlelem_tool::lng {

struct Conversions {
  std::vector<std::wstring> kinds;     // each as size and type ("s", "ls", "d"), in order
  std::vector<std::wstring> floating;  // floating-point conversions, as written
  int stray = 0;  // '%' signs that begin no conversion (the formatter drops them)
};

Conversions ReadConversions(std::wstring_view pattern);

// The access key a text marks with '&' (lower case), or 0.
wchar_t AccessKey(std::wstring_view text);

}  // namespace ctrlelem_tool::lng
