// The main menu (element id 7): a bar of four items, each opening a submenu;
// the second submenu holds the language submenu.
#pragma once

#include "language/packet.h"
#include "windows/main/language_menu.h"

namespace ctrlelem::main_window {

// The kind 10 menu with the language submenu built from the list given.
__packet MainMenu(const LanguageList& languages);

}  // namespace ctrlelem::main_window
