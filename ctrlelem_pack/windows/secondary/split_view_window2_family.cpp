#include "windows/secondary/families.h"

namespace ctrlelem {
void BuildSplitViewWindow2Family() {}
}  // namespace ctrlelem
