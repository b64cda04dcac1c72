#include "commands.h"

namespace ctrlelem_tool {
int Run(const std::vector<std::string>&, std::ostream&, std::ostream&) { return 0; }
}  // namespace ctrlelem_tool
