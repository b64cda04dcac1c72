// Any pattern a translator might write: never a crash, never a read past the
// arguments given, whatever conversions it holds. The first byte chooses how
// many arguments there are (none to three) and of which sorts, so conversions
// without an argument and of the wrong sort are reached as often as good ones.
#include <cstdint>
#include <string>
#include <vector>

#include "language/diagnostics.h"
#include "text/format_label.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned choice = data[0];
  std::vector<ctrlelem::LabelArg> args;
  for (unsigned i = 0; i < choice % 4; ++i) {
    switch ((choice >> (2 + 2 * i)) % 4) {
      case 0:
        args.emplace_back(std::wstring(L"Wembrix"));
        break;
      case 1:
        args.emplace_back(std::string("de.lng"));
        break;
      case 2:
        args.emplace_back(std::int64_t{-42});
        break;
      default:
        args.emplace_back(std::uint64_t{0xFFFFFFFFFFFFFFFF});
        break;
    }
  }
  std::wstring pattern;
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    pattern += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  }
  (void)ctrlelem::FormatLabel(pattern, args);
  language::TakeDiagnostics();
  return 0;
}
