// The secondary window families, each registering its ids in order.
#pragma once

namespace ctrlelem {
// The split-view window 3, then the menu 8, the image-set window 13 and the
// three-button panel 16.
void BuildSplitViewWindow3Family();
// The frame-sized window 4.
void BuildFrameSizedWindow4();
// The button-strip window 14.
void BuildButtonStripWindow14();
// The split-view window 2, then the menu 12 and the notice window 17.
void BuildSplitViewWindow2Family();
}  // namespace ctrlelem
