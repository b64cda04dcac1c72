// `ctrlelem completion bash`: a bash completion script made from the command
// definitions themselves, so it names every command, subcommand and option
// the tool takes and nothing else.
#pragma once

#include <iosfwd>

#include "common.h"

namespace ctrlelem_tool {

// Adds the command; `root` is the tool's own command tree, read when the
// script is written (after every command has been added).
Command AddCompletionCommand(CLI::App& root, std::ostream& out);

}  // namespace ctrlelem_tool
