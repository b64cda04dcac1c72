#include "windows/secondary/families.h"

namespace ctrlelem {
void BuildButtonStripWindow14() {}
}  // namespace ctrlelem
