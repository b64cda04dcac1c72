#include "windows/secondary/families.h"

namespace ctrlelem {
void BuildSplitViewWindow3Family() {}
}  // namespace ctrlelem
