// The tool's commands, callable in-process (main() only forwards argv).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ctrlelem_tool {

// Runs the tool with the given arguments (without the program name), reading
// a language file named "-" from `in`, writing to `out` and `err`. Returns the
// exit status.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);
// The same, with the process's standard input.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ctrlelem_tool
