// The part of the split-view window 2 that has a file of its own.
#pragma once

#include "schema/writers.h"

namespace ctrlelem::secondary {

// Fills the inner split view's first pane of window 2: frames, labels, picture
// buttons and the pane windows 5009, 5008 and 5011, all numbered by the
// panel's running key.
void AddWindow2Panel(schema::Children& panel);

}  // namespace ctrlelem::secondary
