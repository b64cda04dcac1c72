// Any pattern a translator might write: never a crash, never a read past the
// arguments given, whatever conversions it holds.
#include <cstdint>
#include <string>

#include "language/diagnostics.h"
#include "text/format_label.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring pattern;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    pattern += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  }
  (void)ctrlelem::FormatLabel(pattern, {std::wstring(L"Wembrix"), std::wstring(L"de.lng")});
  language::TakeDiagnostics();
  return 0;
}
