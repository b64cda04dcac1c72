#include "dialogs/dialog_groups.h"

namespace ctrlelem {
void BuildFifthDialogGroup() {}
}  // namespace ctrlelem
