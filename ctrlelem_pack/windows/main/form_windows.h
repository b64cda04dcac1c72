// The two small fixed-size form windows that the main window opens: element id
// 11 (three labelled entry boxes) and 18 (an entry box and an input field),
// each with OK and Cancel.
#pragma once

#include "frame/registry.h"
#include "language/packet.h"

namespace ctrlelem::main_window {

__packet FormWindow11(ElementId id);
__packet FormWindow18(ElementId id);

}  // namespace ctrlelem::main_window
