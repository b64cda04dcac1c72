// What every command of the tool shares: the options that choose the strings
// and the screen, building the descriptions afresh, and reading element ids.
// A command group lives in a file of its own and adds itself to the tool
// through a `Command` (see commands.cpp).
#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "language/packet.h"
#include "layout/layout_json.h"

namespace CLI {
class App;
}

namespace ctrlelem_tool {

class StandardInputFile;

// Options that every command takes: where the strings come from and what the
// screen is taken to be.
struct CommonOptions {
  std::string language_file;
  std::string languages_dir;
  std::string dpi;
  std::string metrics;
  // Where a language file named "-" is read from; none: "-" is a file name.
  StandardInputFile* input = nullptr;
};

// The path to read for the language file named `given` ("-": standard
// input, through `options.input`); empty, with `error` set, on failure.
std::string LanguageFilePath(const CommonOptions& options, const std::string& given,
                             std::string& error);

void AddCommonOptions(CLI::App& command, CommonOptions& options);

// The screen's part of the common options alone (--dpi, --metrics), for
// commands whose answer depends on the screen but not on a current language.
void AddScreenOptions(CLI::App& command, CommonOptions& options);

// Applies the options; returns what is wrong, or the empty string.
std::string ApplyCommonOptions(const CommonOptions& options);

// Builds every description afresh, as a newly loaded library would, and prints
// the libraries' diagnostics as warnings.
void BuildDescriptions(std::ostream& err);

// Reads a decimal element id (any 64-bit value: unregistered ids are valid).
bool ParseId(const std::string& text, unsigned long long& id);

// A window size "WxH", each side 1 to kMaxWindowSide; false for anything else.
bool ParseWindowSize(const std::string& text, int& width, int& height);

// Calls `each` with every id and its description as InitPacketsLib would file
// it (the empty packet for an id it does not file); with no ids, with every
// description, ascending. Named ids are built alone, without the rest of the
// catalogue, so that a look at one description does not pay for all of them;
// memory grows with the distinct ids (69 at most), not with the ids given.
void ForEachDescription(std::span<const unsigned long long> ids, std::ostream& err,
                        const std::function<void(unsigned long long, const __packet&)>& each);

// The ids asked for, or every registered id ascending when none is given.
// Prints what is wrong and returns false on a bad id.
bool ResolveIds(const std::vector<std::string>& given, std::vector<unsigned long long>& ids,
                std::ostream& err);

// Exit statuses: 0 success; 1 findings (check) or output that could not be
// written; 2 a usage error or bad input (arguments, options, language file).
inline constexpr int kWriteError = 1;
inline constexpr int kUsageError = 2;

// Flushes the command's output; on a failed or short write says so on `err`
// and returns false.
bool FlushOutput(std::ostream& out, std::ostream& err);

// Writes `content` to the file at `path`, whole, as WriteFileSafely does; on
// failure says why on `err` and returns false.
bool WriteFile(const std::string& path, const std::string& content, std::ostream& err);

// One subcommand: `parsed` is the CLI11 subcommand it added, `run` does the
// work once the common options are applied and returns the exit status.
struct Command {
  CLI::App* parsed = nullptr;
  std::function<int()> run;
};

}  // namespace ctrlelem_tool
