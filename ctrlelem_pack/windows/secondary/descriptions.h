// The secondary windows and menus. Each builder returns its description and
// registers nothing; windows carry the id they are given as their key 1.
#pragma once

#include "frame/registry.h"
#include "language/packet.h"

namespace ctrlelem::secondary {

// The split-view window 3 and what it opens: the menu with five submenus (8),
// the image-set window (13) and the three-button panel (16).
__packet SplitViewWindow3(ElementId id);
__packet Menu8();
__packet ImageSetWindow13(ElementId id);
__packet ThreeButtonPanel16(ElementId id);

// The frame-sized window 4, sized from the system's frame and caption metrics.
__packet FrameSizedWindow4(ElementId id);

// The button-strip window 14, its buttons fitted to their labels.
__packet ButtonStripWindow14(ElementId id);

// The split-view window 2 and what it opens: the menu whose view submenu holds
// a nested one (12) and the two-button notice window (17).
__packet SplitViewWindow2(ElementId id);
__packet Menu12();
__packet NoticeWindow17(ElementId id);

}  // namespace ctrlelem::secondary
