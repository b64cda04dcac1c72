// The layout command: `ctrlelem layout ID`, every element of a description
// where the layout model puts it, as text or as JSON for hosts and tests.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

Command AddLayoutCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                         std::ostream& err);

}  // namespace ctrlelem_tool
