// `ctrlelem lng`: the translators' commands. `where` shows where a string is
// used, `check` holds a language file against the tables and the descriptions,
// `update` brings a file up to date with the tables, `stats` sums up a folder.
#include "lng/lng_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "language/strings.h"
#include "language/utf8.h"
#include "lng/lng_check.h"
#include "lng/lng_update.h"
#include "lng/overflow.h"
#include "screen/profile.h"
#include "standard_input.h"
#include "text/measure.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

namespace fs = std::filesystem;
using lng::StringKey;

constexpr int kExitUnreadable = 2;

struct LngOptions {
  bool json = false;
  bool strict = false;
  bool missing = false;
  int table = 1;
  std::string id;
  std::string file;
  std::string output;
};

int Where(const LngOptions& options, std::ostream& out, std::ostream& err) {
  unsigned long long id = 0;
  if (!ParseId(options.id, id) || id > 2147483647) {
    err << "ctrlelem: bad string id '" << options.id << "'\n";
    return kExitUnreadable;
  }
  const StringKey key{options.table, static_cast<int>(id)};
  const lng::StringTable english = lng::BuiltinStrings();
  if (!english.contains(key)) {
    err << "ctrlelem: the built-in tables have no string " << id << " in table " << key.table
        << '\n';
    return kUsageError;
  }
  out << "string " << key.id << " of table " << key.table << ": "
      << language::WideToUtf8(english.at(key)) << '\n';
  if (key == lng::kMeasuringFace) {
    out << "  the face of the font that text-fitted widths are measured in\n";
    return 0;
  }
  const lng::StringIndex index = lng::BuildStringIndex(err);
  // Boxes as the English texts size them: the tagged texts are longer.
  std::map<std::string, lng::TextSite> english_sites;
  for (lng::TextSite& site : lng::CollectRegisteredTextSites()) {
    english_sites.emplace(site.path, std::move(site));
  }
  const auto layouts = lng::RegisteredLayouts();
  const auto laid_out = lng::ElementsByTextPath(layouts);
  const auto uses = index.uses.find(key);
  if (uses == index.uses.end()) {
    out << "  shown nowhere\n";
    return 0;
  }
  // One line per element, with the number of states that show the text.
  std::map<std::string, int> states;
  std::vector<std::size_t> first_sites;
  for (const std::size_t at : uses->second) {
    if (states[lng::ElementPathOf(index.sites[at].path)]++ == 0) first_sites.push_back(at);
  }
  for (const std::size_t at : first_sites) {
    const auto plain = english_sites.find(index.sites[at].path);
    const lng::TextSite& site = plain != english_sites.end() ? plain->second : index.sites[at];
    const std::string element = lng::ElementPathOf(site.path);
    out << "  " << element << " (" << lng::DescriptionName(site.description) << ", " << site.field;
    if (const auto laid = laid_out.find(site.path); laid != laid_out.end()) {
      const ctrlelem::layout::ElementText& text = *laid->second->text;
      out << ", " << text.font.point_size << " pt" << (text.font.weight > 400 ? " bold" : "");
      if (index.fitted[at]) {
        out << ", sized from its text";
      } else {
        out << ", box " << text.box.width << "x" << text.box.height << " px";
        if (text.layout.wraps) out << ", wraps";
      }
    }
    if (states[element] > 1) out << ", in " << states[element] << " states";
    out << ")\n";
  }
  return 0;
}

// The file to read for the FILE argument ("-": a copy of standard input),
// once it is known to parse; empty after saying what is wrong.
std::string ReadableLanguageFile(const CommonOptions& common, const std::string& given,
                                 std::ostream& err) {
  std::string error;
  std::string path = LanguageFilePath(common, given, error);
  if (path.empty()) {
    err << "ctrlelem: " << error << '\n';
  } else if (auto bad = language::CheckLanguageFile(path)) {
    err << "ctrlelem: " << Printable(ShowStandardInput(bad->message)) << '\n';
    path.clear();
  }
  return path;
}

int Check(const LngOptions& options, const CommonOptions& common, std::ostream& out,
          std::ostream& err) {
  const std::string file = ReadableLanguageFile(common, options.file, err);
  if (file.empty()) return kExitUnreadable;
  const lng::StringTable english = lng::BuiltinStrings();
  const lng::StringIndex index = lng::BuildStringIndex(err);
  lng::LngReport report;
  // What the libraries report while the file's language is built (a pattern
  // set aside, with its file and line) follows the report.
  std::ostringstream diagnostics;
  if (auto error = lng::CheckLngFile(file, index, english, report, diagnostics)) {
    err << ShowStandardInput(diagnostics.str())
        << "ctrlelem: " << Printable(ShowStandardInput(error->message)) << '\n';
    return kExitUnreadable;
  }
  report.file = options.file;
  if (options.json) {
    out << WriteJson(lng::ReportToJson(report));
  } else {
    lng::PrintReport(report, out, options.missing);
  }
  err << ShowStandardInput(diagnostics.str());
  return report.errors > 0 || (options.strict && report.warnings > 0) ? 1 : 0;
}

// Standard input ("-") is updated to standard output, or to -o's file.
int Update(const LngOptions& options, const CommonOptions& common, std::ostream& out,
           std::ostream& err) {
  const std::string file = ReadableLanguageFile(common, options.file, err);
  if (file.empty()) return kExitUnreadable;
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  in.close();  // Windows cannot rename over a file that is still open
  const std::string updated = lng::UpdateLngContent(content.str(), lng::BuiltinEntryLines());
  if (options.output.empty() && options.file == kStandardInputName) {
    out << updated;
    return 0;
  }
  const std::string target = options.output.empty() ? options.file : options.output;
  if (options.output.empty() && updated == content.str()) return 0;
  return WriteFile(target, updated, err) ? 0 : kWriteError;
}

int Percent(const lng::Coverage& coverage) {
  return coverage.total == 0 ? 100 : coverage.translated * 100 / coverage.total;
}

int Stats(const LngOptions& options, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  std::vector<fs::path> files;
  for (fs::directory_iterator it(options.file, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".lng") files.push_back(it->path());
  }
  if (ec) {
    err << "ctrlelem: cannot read the folder '" << options.file << "': " << ec.message() << '\n';
    return kExitUnreadable;
  }
  std::sort(files.begin(), files.end());
  language::SetLanguagesDir(options.file);
  std::map<std::wstring, std::wstring> names;
  for (const auto& [path, name] : GetLeguagesList()) {
    names[fs::path(path).filename().wstring()] = name;
  }
  const lng::StringTable english = lng::BuiltinStrings();
  const lng::StringIndex index = lng::BuildStringIndex(err);
  Json rows = Json::array();
  if (!options.json) out << "name\tfile\ttable 1\ttable 2\terrors\twarnings\n";
  int status = 0;
  for (const fs::path& file : files) {
    const std::wstring& name = names[file.filename().wstring()];
    const std::string shown_file = Printable(file.filename().string());
    lng::LngReport report;
    if (auto error = lng::CheckLngFile(file.string(), index, english, report, err)) {
      err << "ctrlelem: " << Printable(error->message) << '\n';
      status = 1;
      rows.push_back({{"name", language::WideToUtf8(name)},
                      {"file", file.filename().string()},
                      {"error", error->message}});
      if (!options.json) out << Printable(name) << '\t' << shown_file << "\tunreadable\n";
      continue;
    }
    if (report.errors > 0) status = 1;
    const int t1 = Percent(report.coverage[1]);
    const int t2 = Percent(report.coverage[2]);
    rows.push_back({{"name", language::WideToUtf8(name)},
                    {"file", file.filename().string()},
                    {"coverage", {{"1", t1}, {"2", t2}}},
                    {"errors", report.errors},
                    {"warnings", report.warnings}});
    if (!options.json) {
      out << Printable(name) << '\t' << shown_file << '\t' << t1 << "%\t" << t2 << "%\t"
          << report.errors << '\t' << report.warnings << '\n';
    }
  }
  if (options.json) out << WriteJson(rows);
  return status;
}

// Puts back the screen and the language a command changed, so that commands
// run one after the other in one process (the tests) start alike.
class RestoreAfterCommand {
 public:
  RestoreAfterCommand() : profile_(screen::CurrentProfile()) {}
  ~RestoreAfterCommand() {
    // The profile was in effect before the command, so it is taken back.
    static_cast<void>(screen::SetProfile(profile_));
    language::SetLanguageFile("");
  }
  RestoreAfterCommand(const RestoreAfterCommand&) = delete;
  RestoreAfterCommand& operator=(const RestoreAfterCommand&) = delete;

 private:
  screen::Profile profile_;
};

}  // namespace

Command AddLngCommand(CLI::App& app, CommonOptions& common, std::ostream& out, std::ostream& err) {
  CLI::App* lng = app.add_subcommand("lng", "Tools for translators: where, check, update, stats");
  lng->require_subcommand(1);
  auto options = std::make_shared<LngOptions>();

  CLI::App* where = lng->add_subcommand("where", "Where a string is shown, and in what font");
  where->add_option("id", options->id, "String id")->required()->type_name("ID");
  where->add_option("--table", options->table, "String table (1 or 2)")
      ->check(CLI::IsMember({1, 2}));
  AddScreenOptions(*where, common);

  CLI::App* check = lng->add_subcommand("check", "Check a language file");
  check->add_option("file", options->file, "Language file ('-': standard input)")
      ->required()
      ->type_name("FILE");
  check->add_flag("--json", options->json, "Print one JSON document");
  AddScreenOptions(*check, common);
  check->add_flag("--strict", options->strict, "Exit 1 on warnings too");
  check->add_flag("--missing", options->missing,
                  "List every string the file does not translate (one count line per table "
                  "without it)");

  CLI::App* update = lng->add_subcommand("update", "Bring a language file up to date");
  update
      ->add_option("file", options->file,
                   "Language file ('-': standard input, updated to standard output)")
      ->required()
      ->type_name("FILE");
  update->add_option("-o,--output", options->output, "File to write (default: rewrite FILE)")
      ->type_name("OUT");

  CLI::App* stats = lng->add_subcommand("stats", "One row per language file of a folder");
  stats->add_option("dir", options->file, "Folder of language files")->required()->type_name("DIR");
  stats->add_flag("--json", options->json, "Print one JSON document");
  AddScreenOptions(*stats, common);

  return {lng, [=, &common, &out, &err] {
            const RestoreAfterCommand restore;
            if (where->parsed()) return Where(*options, out, err);
            if (check->parsed()) return Check(*options, common, out, err);
            if (update->parsed()) return Update(*options, common, out, err);
            return Stats(*options, out, err);
          }};
}

}  // namespace ctrlelem_tool
