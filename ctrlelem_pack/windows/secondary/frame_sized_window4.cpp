#include "windows/secondary/families.h"

namespace ctrlelem {
void BuildFrameSizedWindow4() {}
}  // namespace ctrlelem
