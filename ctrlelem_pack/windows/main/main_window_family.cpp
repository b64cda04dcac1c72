#include "windows/main/main_window_family.h"

#include "frame/registry.h"
#include "language/strings.h"
#include "windows/main/form_windows.h"
#include "windows/main/main_menu.h"
#include "windows/main/main_window.h"

namespace ctrlelem {

void BuildMainWindowFamily() {
  Register(1, main_window::MainWindow());
  Register(7, main_window::MainMenu(GetLeguagesList()));
  Register(11, main_window::FormWindow11());
  Register(18, main_window::FormWindow18());
}

}  // namespace ctrlelem
