// Access keys: the character a text marks with '&'.
#pragma once

#include <string_view>

namespace ctrlelem_tool::lng {

// The access key a text marks with '&' (lower case), or 0.
wchar_t AccessKey(std::wstring_view text);

}  // namespace ctrlelem_tool::lng
