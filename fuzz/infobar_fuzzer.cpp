// Any text given to the information-bar parser: never a crash, and nothing is
// lost: writing the runs back (links as [[TARGET|TEXT]]) gives the text again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language/infobar.h"
#include "language/packet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    // Characters of the basic plane: a surrogate pair would come back from the
    // byte format as one character where wchar_t is 32 bits wide.
    const wchar_t unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    text += unit >= 0xD800 && unit <= 0xDFFF ? L'?' : unit;
  }
  __packet target;
  ParseInformationBarText(&target, text);
  if (target.size() != 1) std::abort();
  const __packet runs = target.values().front();
  std::wstring rebuilt;
  for (const __val& value : runs.values()) {
    const __packet run = value;
    const __val text_value = run[language::kInfoRunKeyText];
    const __val target_value = run[language::kInfoRunKeyTarget];
    const std::wstring* run_text = text_value.wstr();
    if (!run_text) std::abort();
    if (run[language::kInfoRunKeyType].u32() == language::kInfoRunLink) {
      const std::wstring* target_text = target_value.wstr();
      if (!target_text) std::abort();
      rebuilt += L"[[" + *target_text + L"|" + *run_text + L"]]";
    } else {
      rebuilt += *run_text;
    }
  }
  if (rebuilt != text) std::abort();
  return 0;
}
