// The main window family: the main window (1), its menu bar (7) and the two
// small form windows (11, 18), registered in that order.
#pragma once

namespace ctrlelem {
void BuildMainWindowFamily();
}
