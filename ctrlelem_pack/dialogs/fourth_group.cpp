#include "dialogs/dialog_groups.h"

namespace ctrlelem {
void BuildFourthDialogGroup() {}
}  // namespace ctrlelem
