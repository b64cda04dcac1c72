#include "dialogs/dialog_groups.h"

namespace ctrlelem {
void BuildInputDialogs() {}
}  // namespace ctrlelem
