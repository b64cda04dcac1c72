// The gallery command group: `ctrlelem gallery DIR`.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

Command AddGalleryCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                          std::ostream& err);

}  // namespace ctrlelem_tool
