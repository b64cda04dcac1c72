// The parts of the split-view window 2 that have files of their own, and the
// descriptions its family registers after it, in this order.
#pragma once

#include "schema/writers.h"

namespace ctrlelem::secondary {

// Fills the inner split view's first pane of window 2: frames, labels, picture
// buttons and the pane windows 5009, 5008 and 5011, all numbered by the
// panel's running key.
void AddWindow2Panel(schema::Children& panel);

void BuildMenu12();          // the menu whose view submenu holds a nested one
void BuildNoticeWindow17();  // the two-button notice window

}  // namespace ctrlelem::secondary
