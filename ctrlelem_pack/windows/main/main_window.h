// The main window (element id 1) and the six builders of its child groups.
// Each group builder stores its children under start_key, start_key + 1, ...
// of the main window's container; the main window passes fixed start keys, so
// the keys between groups stay empty whatever a group adds.
#pragma once

#include "frame/registry.h"
#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::main_window {

// The whole description of the main window (element id 1), sized for the
// current display scale.
__packet MainWindow(ElementId id);

// The Contacts and History tabs: two two-set half-width buttons (21, 22).
void AddTabButtons(schema::Children& children, int start_key);
// Three two-set text options under the sign-in fields (24 to 26).
void AddSignInOptions(schema::Children& children, int start_key);
// The sign-in panel: labels, name and password fields, picture frames, buttons
// and the status list (27 to 39).
void AddSignInPanel(schema::Children& children, int start_key);
// The header of the signed-in view: status text, personal message, icons (40 to
// 44).
void AddStatusHeader(schema::Children& children, int start_key);
// The welcome information bar with its three formatted texts (49).
void AddWelcomeBar(schema::Children& children, int start_key);
// "What would you like to do?" and its four task links (51 to 55).
void AddTaskLinks(schema::Children& children, int start_key);

}  // namespace ctrlelem::main_window
