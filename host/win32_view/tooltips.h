// Tooltips from the layout model's hints: which hint an element shows when the
// pointer rests on it, and the text its tooltip carries.
#pragma once

#include <string>

#include "ctrlelem_pack/layout.h"

namespace ctrlelem_view {

// The hint shown over an element: the ordinary hint of the face it shows (a
// checked button's second hint, where it has one, else its first), or null.
// Warning balloons (TTS_BALLOON) belong to input elements and show on bad
// input, never on hover.
[[nodiscard]] const ctrlelem::layout::Hint* HoverHint(const ctrlelem::layout::Element& element,
                                                      bool checked);

// The warning balloon of an input element (TTS_BALLOON): shown under the field
// while it has the focus and what it warns of holds (every one in the
// descriptions warns that Caps Lock is on), or null.
[[nodiscard]] const ctrlelem::layout::Hint* WarningHint(const ctrlelem::layout::Element& element);

// A tooltip's text: the hint's title over its text.
[[nodiscard]] std::wstring TooltipText(const ctrlelem::layout::Hint& hint);

}  // namespace ctrlelem_view
