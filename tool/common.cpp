#include "common.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <limits>
#include <map>
#include <ostream>
#include <system_error>

#include "catalogue/catalogue.h"
#include "frame/display_scale.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "safe_write.h"
#include "screen/profile.h"
#include "standard_input.h"
#include "text_encoding.h"

namespace ctrlelem_tool {

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
  command.add_option("--language", options.language_file, "Language file (.lng) to use")
      ->type_name("FILE");
  command.add_option("--languages-dir", options.languages_dir, "Folder of the language list")
      ->type_name("DIR");
  AddScreenOptions(command, options);
}

void AddScreenOptions(CLI::App& command, CommonOptions& options) {
  command.add_option("--dpi", options.dpi, "Screen resolution: N, or NxM (horizontal x vertical)")
      ->type_name("N|NxM");
  command
      .add_option("--metrics", options.metrics,
                  "System metrics: NAME=VALUE[,...] with cxmenucheck, cxframe, cyframe, cycaption")
      ->type_name("LIST");
}

namespace {

// The screen the process started with (the profile's defaults and the
// environment). Every run starts from it, so a resolution or metric given to
// one in-process run does not carry into the next.
const screen::Profile& StartingProfile() {
  static const screen::Profile profile = screen::CurrentProfile();
  return profile;
}

}  // namespace

std::string ApplyCommonOptions(const CommonOptions& options) {
  screen::Profile profile = StartingProfile();
  if (!options.dpi.empty()) {
    if (auto error = screen::ParseDpi(options.dpi, profile)) return error->message;
  }
  if (!options.metrics.empty()) {
    if (auto error = screen::ParseMetrics(options.metrics, profile)) return error->message;
  }
  if (auto error = screen::SetProfile(profile)) return error->message;
  if (!options.languages_dir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.languages_dir, ec)) {
      return "languages folder '" + options.languages_dir + "' is not a readable folder";
    }
    language::SetLanguagesDir(options.languages_dir);
  }
  if (!options.language_file.empty()) {
    std::string error;
    const std::string path = LanguageFilePath(options, options.language_file, error);
    if (path.empty()) return error;
    if (auto bad = language::SetLanguageFile(path)) {
      language::TakeDiagnostics();  // the same error, already in hand
      return "bad language file: " + ShowStandardInput(bad->message);
    }
  }
  return {};
}

std::string LanguageFilePath(const CommonOptions& options, const std::string& given,
                             std::string& error) {
  if (options.input == nullptr) return given;
  return options.input->PathFor(given, error);
}

namespace {

// The libraries' diagnostics of the last build, as warnings.
void PrintDiagnostics(std::ostream& err) {
  for (const std::string& message : language::TakeDiagnostics()) {
    err << "ctrlelem: warning: " << Printable(ShowStandardInput(message)) << '\n';
  }
}

}  // namespace

void BuildDescriptions(std::ostream& err) {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  PrintDiagnostics(err);
}

void ForEachDescription(std::span<const unsigned long long> ids, std::ostream& err,
                        const std::function<void(unsigned long long, const __packet&)>& each) {
  if (ids.empty()) {
    BuildDescriptions(err);
    for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) each(id, ctrlelem::Lookup(id));
    return;
  }
  // The same steps as InitPacketsLib, for the catalogue entries asked for
  // only: the display scale first, then the builders of those ids. An id too
  // large for an element id is in no catalogue.
  ctrlelem::ComputeDisplayScale();
  constexpr unsigned long long kLargest = std::numeric_limits<ctrlelem::ElementId>::max();
  std::vector<ctrlelem::ElementId> fitting;
  for (const unsigned long long id : ids) {
    if (id <= kLargest) fitting.push_back(static_cast<ctrlelem::ElementId>(id));
  }
  const std::map<ctrlelem::ElementId, __packet> built =
      ctrlelem::catalogue::BuildDescriptions(fitting);
  PrintDiagnostics(err);
  const __packet none;
  for (const unsigned long long id : ids) {
    const auto found =
        id <= kLargest ? built.find(static_cast<ctrlelem::ElementId>(id)) : built.end();
    // What GetPacketProc gives for it, said so: the output alone cannot tell
    // a mistyped id from a description that is empty.
    if (found == built.end()) {
      err << "ctrlelem: note: " << id
          << " is not a registered element id: its description is the empty packet\n";
    }
    each(id, found != built.end() ? found->second : none);
  }
}

namespace {

// The system's reason for the last failed write, when it left one.
std::string Reason(int error) {
  return error != 0 ? ": " + std::generic_category().message(error) : std::string();
}

}  // namespace

bool FlushOutput(std::ostream& out, std::ostream& err) {
  errno = 0;
  if (out.flush()) return true;
  err << "ctrlelem: cannot write the output" << Reason(errno) << '\n';
  return false;
}

bool WriteFile(const std::string& path, const std::string& content, std::ostream& err) {
  const std::string error = WriteFileSafely(path, content);
  if (error.empty()) return true;
  err << "ctrlelem: " << Printable(error) << '\n';
  return false;
}

bool ParseId(const std::string& text, unsigned long long& id) {
  const char* end = text.data() + text.size();
  const auto [rest, ec] = std::from_chars(text.data(), end, id);
  return !text.empty() && ec == std::errc() && rest == end;
}

bool ParseWindowSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  unsigned long long w = 0;
  unsigned long long h = 0;
  if (!ParseId(text.substr(0, x), w) || !ParseId(text.substr(x + 1), h)) return false;
  if (w == 0 || h == 0 || w > kMaxWindowSide || h > kMaxWindowSide) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool ResolveIds(const std::vector<std::string>& given, std::vector<unsigned long long>& ids,
                std::ostream& err) {
  if (given.empty()) {
    for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) ids.push_back(id);
    return true;
  }
  for (const std::string& text : given) {
    unsigned long long id = 0;
    if (!ParseId(text, id)) {
      err << "ctrlelem: bad element id '" << text
          << "': expected a decimal number from 0 to 18446744073709551615\n";
      return false;
    }
    ids.push_back(id);
  }
  return true;
}

}  // namespace ctrlelem_tool
