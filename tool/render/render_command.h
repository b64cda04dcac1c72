// The render command group: `ctrlelem render`.
#pragma once

#include <iosfwd>
#include <string>

#include "common.h"

namespace ctrlelem_tool {

// Reads render's --size "WxH", each side 1 to 16384; false for anything else.
bool ParseWindowSize(const std::string& text, int& width, int& height);

Command AddRenderCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                         std::ostream& err);

}  // namespace ctrlelem_tool
