#include "commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "dump.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "schema/checker.h"
#include "schema/kind_table.h"
#include "screen/profile.h"

namespace ctrlelem_tool {
namespace {

// Options that every command takes: where the strings come from and what the
// screen is taken to be.
struct CommonOptions {
  std::string language_file;
  std::string languages_dir;
  std::string dpi;
  std::string metrics;
};

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
  command.add_option("--language", options.language_file, "Language file (.lng) to use")
      ->type_name("FILE");
  command.add_option("--languages-dir", options.languages_dir, "Folder of the language list")
      ->type_name("DIR");
  command.add_option("--dpi", options.dpi, "Screen resolution: N, or NxM (horizontal x vertical)")
      ->type_name("N|NxM");
  command
      .add_option("--metrics", options.metrics,
                  "System metrics: NAME=VALUE[,...] with cxmenucheck, cxframe, cyframe, cycaption")
      ->type_name("LIST");
}

// Applies the options; returns what is wrong, or the empty string.
std::string ApplyCommonOptions(const CommonOptions& options) {
  screen::Profile profile = screen::CurrentProfile();
  if (!options.dpi.empty()) {
    if (std::string error = screen::ParseDpi(options.dpi, profile); !error.empty()) return error;
  }
  if (!options.metrics.empty()) {
    if (std::string error = screen::ParseMetrics(options.metrics, profile); !error.empty()) {
      return error;
    }
  }
  screen::SetProfile(profile);
  if (!options.languages_dir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.languages_dir, ec)) {
      return "languages folder '" + options.languages_dir + "' is not a readable folder";
    }
    language::SetLanguagesDir(options.languages_dir);
  }
  if (!options.language_file.empty()) {
    if (auto error = language::SetLanguageFile(options.language_file)) {
      language::TakeDiagnostics();  // the same error, already in hand
      return "bad language file: " + error->message();
    }
  }
  return {};
}

// Builds every description afresh, as a newly loaded library would.
void BuildDescriptions(std::ostream& err) {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  for (const std::string& message : language::TakeDiagnostics()) {
    err << "ctrlelem: warning: " << message << '\n';
  }
}

bool ParseId(const std::string& text, unsigned long long& id) {
  const char* end = text.data() + text.size();
  const auto [rest, ec] = std::from_chars(text.data(), end, id);
  return !text.empty() && ec == std::errc() && rest == end;
}

// The ids asked for, or every registered id ascending when none is given.
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

int Dump(const std::vector<std::string>& given, bool json, std::ostream& out, std::ostream& err) {
  BuildDescriptions(err);
  std::vector<unsigned long long> ids;
  if (!ResolveIds(given, ids, err)) return 2;
  std::vector<Described> descriptions;
  descriptions.reserve(ids.size());
  for (const unsigned long long id : ids) descriptions.push_back({id, ctrlelem::Lookup(id)});
  out << (json ? WriteJson(DescriptionsToJson(descriptions)) : DumpText(descriptions));
  return 0;
}

// One line per finding, "ID: PATH: REASON", then the tally. Exit status 1 when
// anything was found.
int Check(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
  BuildDescriptions(err);
  std::vector<unsigned long long> ids;
  if (!ResolveIds(given, ids, err)) return 2;
  const std::vector<ctrlelem::ElementId> registered = ctrlelem::RegisteredIds();
  std::size_t total = 0;
  for (const unsigned long long id : ids) {
    std::vector<ctrlelem::schema::Finding> findings;
    if (std::binary_search(registered.begin(), registered.end(), id)) {
      findings = ctrlelem::schema::CheckDescription(static_cast<ctrlelem::ElementId>(id),
                                                    ctrlelem::Lookup(id));
    } else {
      findings.push_back({std::to_string(id), "not registered"});
    }
    for (const auto& finding : findings) {
      out << finding.path << ": " << finding.reason << '\n';  // the path starts with the id
    }
    total += findings.size();
  }
  out << "checked " << ids.size() << " descriptions: " << total << " findings\n";
  return total == 0 ? 0 : 1;
}

int List(std::ostream& out, std::ostream& err) {
  BuildDescriptions(err);
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    const __packet packet = ctrlelem::Lookup(id);
    const int kind = packet.kind().value_or(0);
    out << id << '\t' << kind << '\t' << ctrlelem::schema::KindName(kind) << '\n';
  }
  return 0;
}

int ExportLng(const std::string& output, std::ostream& out, std::ostream& err) {
  const std::string text = language::BuiltinTablesAsLng();
  if (output.empty() || output == "-") {
    out << text;
    return 0;
  }
  std::ofstream file(output, std::ios::binary);
  file << text;
  file.close();
  if (!file) {
    err << "ctrlelem: cannot write '" << output << "'\n";
    return 1;
  }
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"ctrlelem: inspect, check and look at the user-interface descriptions", "ctrlelem"};
  app.require_subcommand(1);
  CommonOptions common;

  CLI::App* dump = app.add_subcommand("dump", "Print descriptions (all registered ids by default)");
  std::vector<std::string> dump_ids;
  bool json = false;
  dump->add_option("ids", dump_ids, "Element ids")->type_name("ID");
  dump->add_flag("--json", json, "Print one JSON document instead of the tree");
  AddCommonOptions(*dump, common);

  CLI::App* check = app.add_subcommand(
      "check", "Check descriptions against the schema (all registered ids by default)");
  std::vector<std::string> check_ids;
  check->add_option("ids", check_ids, "Element ids")->type_name("ID");
  AddCommonOptions(*check, common);

  CLI::App* list = app.add_subcommand("list", "List the registered ids with their kinds");
  AddCommonOptions(*list, common);

  CLI::App* export_lng =
      app.add_subcommand("export-lng", "Write the built-in English strings as a language file");
  std::string output;
  export_lng->add_option("-o,--output", output, "File to write (default: standard output)")
      ->type_name("FILE");
  AddCommonOptions(*export_lng, common);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err);
  }

  if (std::string error = ApplyCommonOptions(common); !error.empty()) {
    err << "ctrlelem: " << error << '\n';
    return 2;
  }
  if (dump->parsed()) return Dump(dump_ids, json, out, err);
  if (check->parsed()) return Check(check_ids, out, err);
  if (list->parsed()) return List(out, err);
  if (export_lng->parsed()) return ExportLng(output, out, err);
  return 2;
}

}  // namespace ctrlelem_tool
