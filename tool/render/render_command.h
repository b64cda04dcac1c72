// The render command group: `ctrlelem render`.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

Command AddRenderCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                         std::ostream& err);

}  // namespace ctrlelem_tool
