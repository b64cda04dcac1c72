#include "dialogs/dialog_groups.h"

namespace ctrlelem {
void BuildThirdDialogGroup() {}
}  // namespace ctrlelem
