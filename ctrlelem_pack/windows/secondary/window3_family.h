// The descriptions that the family of element id 3 registers after the
// split-view window itself, in this order.
#pragma once

namespace ctrlelem::secondary {

void BuildMenu8();               // the menu with five submenus
void BuildImageSetWindow13();    // the image-set window
void BuildThreeButtonPanel16();  // the three-button panel

}  // namespace ctrlelem::secondary
