#include "lng/access_keys.h"

#include <cwctype>

namespace ctrlelem_tool::lng {

wchar_t AccessKey(std::wstring_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(text[i + 1])));
  }
  return 0;
}

}  // namespace ctrlelem_tool::lng
