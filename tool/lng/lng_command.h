// The `lng` command group of the tool.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

// `where`, `check` and `stats` lay the descriptions out, so they take the
// screen options (--dpi, --metrics) into `common`.
Command AddLngCommand(CLI::App& app, CommonOptions& common, std::ostream& out, std::ostream& err);

}  // namespace ctrlelem_tool
