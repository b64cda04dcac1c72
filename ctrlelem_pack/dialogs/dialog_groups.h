// The dialog catalogue's five groups. Each returns its dialogs' descriptions in
// order, each with the id its table row gives; none registers anything.
#pragma once

#include <vector>

#include "frame/registry.h"

namespace ctrlelem::dialogs {
std::vector<ElementDescription> InputDialogs();  // 102, 149, 146, 103, 104
std::vector<ElementDescription>
SecondGroup();  // 101, 105, 106, 132, 133, 108, 109, 145, 110, 111, 148
std::vector<ElementDescription>
ThirdGroup();  // 114, 152, 115, 116, 117, 153, 144, 118 ... 124, 150
std::vector<ElementDescription>
FourthGroup();  // 125, 113, 130, 131, 136, 151, 156, 157, 126 ... 138
std::vector<ElementDescription> FifthGroup();  // 139, 140, 154, 155, 141, 142, 143
}  // namespace ctrlelem::dialogs
