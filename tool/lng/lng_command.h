// The `lng` command group of the tool.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

Command AddLngCommand(CLI::App& app, std::ostream& out, std::ostream& err);

}  // namespace ctrlelem_tool
