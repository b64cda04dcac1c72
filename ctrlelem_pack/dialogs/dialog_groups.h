// The dialog catalogue's five groups, each registering its dialogs in order.
#pragma once

namespace ctrlelem {
void BuildInputDialogs();       // 102, 149, 146, 103, 104
void BuildSecondDialogGroup();  // 101, 105, 106, 132, 133, 108, 109, 145, 110, 111, 148
void BuildThirdDialogGroup();   // 114, 152, 115, 116, 117, 153, 144, 118 ... 124, 150
void BuildFourthDialogGroup();  // 125, 113, 130, 131, 136, 151, 156, 157, 126 ... 138
void BuildFifthDialogGroup();   // 139, 140, 154, 155, 141, 142, 143
}  // namespace ctrlelem
