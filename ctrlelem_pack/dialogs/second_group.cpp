#include "dialogs/dialog_groups.h"

namespace ctrlelem {
void BuildSecondDialogGroup() {}
}  // namespace ctrlelem
