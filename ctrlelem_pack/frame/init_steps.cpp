#include "frame/init_steps.h"

#include "dialogs/dialog_groups.h"
#include "windows/main/main_window_family.h"
#include "windows/secondary/families.h"

namespace ctrlelem {

std::span<const InitStep> InitSteps() {
  static constexpr InitStep kSteps[] = {
      BuildMainWindowFamily,        // main window family: 1, 7, 11, 18
      BuildSplitViewWindow3Family,  // split-view window family: 3, 8, 13, 16
      BuildFrameSizedWindow4,       // frame-sized window: 4
      BuildButtonStripWindow14,     // button-strip window: 14
      BuildSplitViewWindow2Family,  // split-view window family: 2, 12, 17
      BuildInputDialogs,            // input dialogs: 102, 149, 146, 103, 104
      BuildSecondDialogGroup,       // second dialog group: 101 to 148
      BuildThirdDialogGroup,        // third dialog group: 114 to 153
      BuildFourthDialogGroup,       // fourth dialog group: 112 to 157
      BuildFifthDialogGroup,        // fifth dialog group: 139 to 155
  };
  return kSteps;
}

}  // namespace ctrlelem
