#include "windows/main/main_window_family.h"

namespace ctrlelem {
void BuildMainWindowFamily() {}
}  // namespace ctrlelem
