#include "tooltips.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "ctrlelem_pack/schema/kind_table.h"

namespace ctrlelem_view {

namespace layout = ctrlelem::layout;
namespace key = ctrlelem::schema::key;

const layout::Hint* HoverHint(const layout::Element& element, bool checked) {
  const layout::Hint* first = nullptr;
  const layout::Hint* second = nullptr;
  for (const layout::Hint& hint : element.hints) {
    if ((hint.style & TTS_BALLOON) != 0) continue;
    if (hint.key == key::button::kSecondHint && element.kind == ctrlelem::schema::kButton) {
      second = &hint;
    } else if (!first) {
      first = &hint;
    }
  }
  return checked && second ? second : first;
}

const layout::Hint* WarningHint(const layout::Element& element) {
  for (const layout::Hint& hint : element.hints) {
    if ((hint.style & TTS_BALLOON) != 0) return &hint;
  }
  return nullptr;
}

std::wstring TooltipText(const layout::Hint& hint) {
  std::wstring text = hint.title;
  if (!text.empty() && !hint.text.empty()) text += L"\r\n";
  return text + hint.text;
}

}  // namespace ctrlelem_view
