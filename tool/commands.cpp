#include "commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <memory>
#include <ostream>

#include "catalogue/catalogue.h"
#include "common.h"
#include "completion.h"
#include "ctrlelem_pack/schema/checker.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/version.h"
#include "dump.h"
#include "frame/registry.h"
#include "gallery/gallery_command.h"
#include "language/strings.h"
#include "layout/layout_command.h"
#include "lng/lng_command.h"
#include "lng/template.h"
#include "render/render_command.h"
#include "schema_command.h"
#include "standard_input.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

// One description at a time, straight to the stream: memory stays flat
// however many ids are asked for.
template <class Writer>
int Dump(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
  std::vector<unsigned long long> ids;  // empty: every description
  if (!given.empty() && !ResolveIds(given, ids, err)) return kUsageError;
  Writer dump(out);
  ForEachDescription(ids, err, [&](unsigned long long id, const __packet& packet) {
    dump.Add({id, packet});
  });
  dump.Finish();
  return 0;
}

// One line per finding, "ID: PATH: REASON", then the tally. Exit status 1 when
// anything was found.
int Check(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
  BuildDescriptions(err);
  std::vector<unsigned long long> ids;
  if (!ResolveIds(given, ids, err)) return kUsageError;
  const std::vector<ctrlelem::ElementId> registered = ctrlelem::RegisteredIds();
  // An id that names no description is a bad argument, as for render and
  // layout, not a finding about a description.
  for (const unsigned long long id : ids) {
    if (!std::binary_search(registered.begin(), registered.end(), id)) {
      err << "ctrlelem: " << id << " is not a registered element id (ctrlelem list shows them)\n";
      return kUsageError;
    }
  }
  std::size_t total = 0;
  for (const unsigned long long id : ids) {
    const std::vector<ctrlelem::schema::Finding> findings =
        ctrlelem::schema::CheckDescription(static_cast<ctrlelem::ElementId>(id),
                                           ctrlelem::Lookup(id), ctrlelem::catalogue::CheckFacts());
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
  const std::string text = lng::AnnotatedTemplate(err);
  if (output.empty() || output == "-") {
    out << text;
    return 0;
  }
  return WriteFile(output, text, err) ? 0 : kWriteError;
}

// Each command group adds its subcommand and says how to run it.
Command AddDumpCommand(CLI::App& app, CommonOptions& common, std::ostream& out, std::ostream& err) {
  CLI::App* dump = app.add_subcommand("dump", "Print descriptions (all registered ids by default)");
  auto ids = std::make_shared<std::vector<std::string>>();
  auto json = std::make_shared<bool>(false);
  dump->add_option("ids", *ids, "Element ids")->type_name("ID");
  dump->add_flag("--json", *json, "Print one JSON document instead of the tree");
  AddCommonOptions(*dump, common);
  return {dump, [ids, json, &out, &err] {
            return *json ? Dump<JsonDump>(*ids, out, err) : Dump<TextDump>(*ids, out, err);
          }};
}

Command AddCheckCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                        std::ostream& err) {
  CLI::App* check = app.add_subcommand(
      "check", "Check descriptions against the schema (all registered ids by default)");
  auto ids = std::make_shared<std::vector<std::string>>();
  check->add_option("ids", *ids, "Element ids")->type_name("ID");
  AddCommonOptions(*check, common);
  return {check, [ids, &out, &err] { return Check(*ids, out, err); }};
}

Command AddListCommand(CLI::App& app, CommonOptions& common, std::ostream& out, std::ostream& err) {
  CLI::App* list = app.add_subcommand("list", "List the registered ids with their kinds");
  AddCommonOptions(*list, common);
  return {list, [&out, &err] { return List(out, err); }};
}

Command AddExportLngCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                            std::ostream& err) {
  CLI::App* export_lng =
      app.add_subcommand("export-lng", "Write the built-in English strings as a language file");
  auto output = std::make_shared<std::string>();
  export_lng->add_option("-o,--output", *output, "File to write (default: standard output)")
      ->type_name("FILE");
  // The template is the built-in English whatever the screen or language:
  // the common options would change nothing, so they are not taken.
  static_cast<void>(common);
  return {export_lng, [output, &out, &err] { return ExportLng(*output, out, err); }};
}

bool IsCommand(const std::vector<Command>& commands, const std::string& name) {
  return std::any_of(commands.begin(), commands.end(), [&name](const Command& command) {
    return command.parsed->get_name() == name;
  });
}

// "dump, check, list or export-lng"
std::string CommandNames(const std::vector<Command>& commands) {
  std::string names;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (i > 0) names += i + 1 == commands.size() ? " or " : ", ";
    names += commands[i].parsed->get_name();
  }
  return names;
}

constexpr const char* kSeeHelp = "Run 'ctrlelem --help' for the commands and their options.\n";

// The command the arguments name, as far as they name one ("lng check"), and
// the first word after it that should have been a subcommand and is none.
struct CommandPath {
  const CLI::App* command = nullptr;
  std::string path;
  std::string unknown_subcommand;
};

CommandPath FindCommandPath(const CLI::App& app, const std::vector<std::string>& args) {
  CommandPath found;
  const CLI::App* at = &app;
  for (const std::string& word : args) {
    if (word.starts_with('-')) break;
    const std::vector<const CLI::App*> subs = at->get_subcommands({});
    if (subs.empty()) break;
    const auto next = std::find_if(
        subs.begin(), subs.end(), [&word](const CLI::App* sub) { return sub->get_name() == word; });
    if (next == subs.end()) {
      if (at != &app) found.unknown_subcommand = word;
      break;
    }
    at = *next;
    found.path += (found.path.empty() ? "" : " ") + word;
  }
  found.command = at;
  return found;
}

// "where, check, update or stats"
std::string SubcommandNames(const CLI::App& command) {
  const std::vector<const CLI::App*> subs = command.get_subcommands({});
  std::string names;
  for (std::size_t i = 0; i < subs.size(); ++i) {
    if (i > 0) names += i + 1 == subs.size() ? " or " : ", ";
    names += subs[i]->get_name();
  }
  return names;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return Run(args, std::cin, out, err);
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  CLI::App app{"ctrlelem: inspect, check and look at the user-interface descriptions", "ctrlelem"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("ctrlelem ") + ctrlelem::kVersion);
  // CLI11 reads "/name" as an option on Windows; the tool takes the same
  // arguments everywhere, and "/path/file.lng" is a file (also under Wine).
  app.allow_windows_style_options(false);
  StandardInputFile standard_input(in);
  CommonOptions common;
  common.input = &standard_input;

  // One line per command group; a new group lives in a file of its own.
  const std::vector<Command> commands = {
      AddDumpCommand(app, common, out, err),
      AddCheckCommand(app, common, out, err),
      AddListCommand(app, common, out, err),
      AddExportLngCommand(app, common, out, err),
      AddLngCommand(app, common, out, err),
      AddLayoutCommand(app, common, out, err),
      AddRenderCommand(app, common, out, err),
      AddGalleryCommand(app, common, out, err),
      AddSchemaCommand(app, out),
      AddCompletionCommand(app, out),
  };

  if (args.empty()) {
    err << app.help();
    return kUsageError;
  }
  const std::string& first = args.front();
  // A command comes first; before it only the tool's own flags (--help, --version).
  if (!IsCommand(commands, first) && app.get_option_no_throw(first) == nullptr) {
    err << "ctrlelem: "
        << (first.starts_with('-') ? "option '" + first + "' comes before any command"
                                   : "unknown command '" + first + "'")
        << " (expected " << CommandNames(commands) << ")\n"
        << kSeeHelp;
    return kUsageError;
  }

  // An unknown subcommand reads like an unknown command, and every error
  // points to the help of the command it was made in.
  const CommandPath path = FindCommandPath(app, args);
  const std::string see_help = "Run 'ctrlelem " + path.path + " --help' for its options.\n";
  if (!path.unknown_subcommand.empty()) {
    err << "ctrlelem: unknown " << path.path << " command '" << Printable(path.unknown_subcommand)
        << "' (expected " << SubcommandNames(*path.command) << ")\n"
        << see_help;
    return kUsageError;
  }

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    // --help and the like come as "errors" that succeed.
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      const int status = app.exit(e, out, err);
      // Help that could not be written is no success either.
      return FlushOutput(out, err) ? status : kWriteError;
    }
    err << "ctrlelem " << path.path << ": " << Printable(e.what()) << '\n' << see_help;
    return kUsageError;
  }

  if (std::string error = ApplyCommonOptions(common); !error.empty()) {
    err << "ctrlelem: " << Printable(error) << '\n';
    return kUsageError;
  }
  for (const Command& command : commands) {
    if (!command.parsed->parsed()) continue;
    const int status = command.run();
    // Output still buffered is written now; a full disk or a closed pipe shows
    // here, and what was not written is not reported as success.
    if (!FlushOutput(out, err)) return kWriteError;
    return status;
  }
  return kUsageError;
}

}  // namespace ctrlelem_tool
