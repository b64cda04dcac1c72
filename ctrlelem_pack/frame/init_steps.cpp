#include "frame/init_steps.h"

#include "dialogs/dialog_groups.h"
#include "windows/main/main_window_family.h"
#include "windows/secondary/families.h"

namespace ctrlelem {

std::span<const InitStep> InitSteps() {
  static constexpr InitStep kSteps[] = {
      {"main window family: 1, 7, 11, 18", BuildMainWindowFamily},
      {"split-view window family: 3, 8, 13, 16", BuildSplitViewWindow3Family},
      {"frame-sized window: 4", BuildFrameSizedWindow4},
      {"button-strip window: 14", BuildButtonStripWindow14},
      {"split-view window family: 2, 12, 17", BuildSplitViewWindow2Family},
      {"input dialogs: 102, 149, 146, 103, 104", BuildInputDialogs},
      {"second dialog group: 101 to 148", BuildSecondDialogGroup},
      {"third dialog group: 114 to 153", BuildThirdDialogGroup},
      {"fourth dialog group: 112 to 157", BuildFourthDialogGroup},
      {"fifth dialog group: 139 to 155", BuildFifthDialogGroup},
  };
  return kSteps;
}

}  // namespace ctrlelem
