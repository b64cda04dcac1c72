// The current language, string lookup and the list of installed languages.
//
// Every table that ever becomes current is kept for the life of the process, so
// the pointers LoadResourceString hands out never dangle, whatever language is
// chosen later. Readers take the current table with one atomic load; choosing a
// language publishes a new, never again modified table.
#include "language/strings.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

#include "english_table.h"
#include "language/conversions.h"
#include "language/diagnostics.h"
#include "lng_file.h"
#include "utf.h"

namespace language {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLanguageFileVariable = "CTRLELEM_LANGUAGE_FILE";
constexpr const char* kLanguagesDirVariable = "CTRLELEM_LANGUAGES_DIR";
constexpr std::string_view kLngExtension = ".lng";

struct LanguageState {
  std::mutex mutex;  // guards everything below; readers of `current` do not take it
  std::atomic<const LngData*> current{nullptr};        // null: the built-in tables
  std::vector<std::unique_ptr<const LngData>> loaded;  // every table ever made current
  bool file_chosen = false;  // a call chose the language: the environment must not
  bool dir_chosen = false;   // a call chose the folder: likewise
  std::string languages_dir;
  std::once_flag environment_read;
};

// Never destroyed: strings handed out stay valid while other modules shut down.
LanguageState& State() {
  static auto* const state = new LanguageState;
  return *state;
}

// Makes `data` the current language. A table equal to one loaded before is not
// kept twice, so switching back and forth does not grow the process. Call with
// the state's mutex held.
void Publish(LanguageState& state, LngData data) {
  const LngData* table = nullptr;
  for (const auto& loaded : state.loaded) {
    if (*loaded == data) table = loaded.get();
  }
  if (!table) {
    state.loaded.push_back(std::make_unique<const LngData>(std::move(data)));
    table = state.loaded.back().get();
  }
  state.current.store(table, std::memory_order_release);
}

const char* NonEmptyVariable(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// Applies the environment variables once, for what no call has chosen before.
// The file is read before the mutex is taken, so no lookup or choice waits on
// the disk; a SetLanguageFile that comes in the meantime still wins, because
// the table is published only if no call has chosen the language by then.
void KeepEnglishConversions(LngData& data, const EntryLines& lines, const std::string& file);

void ReadEnvironmentOnce() {
  LanguageState& state = State();
  std::call_once(state.environment_read, [&state] {
    const char* file = NonEmptyVariable(kLanguageFileVariable);
    const char* dir = NonEmptyVariable(kLanguagesDirVariable);
    std::optional<LngData> data;
    if (file) {
      LngData parsed;
      EntryLines lines;
      if (auto error = ReadLngFile(file, parsed, &lines)) {
        ReportDiagnostic(std::string(kLanguageFileVariable) + ": " + error->message());
      } else {
        KeepEnglishConversions(parsed, lines, file);
        data = std::move(parsed);
      }
    }
    std::lock_guard lock(state.mutex);
    if (dir && !state.dir_chosen) state.languages_dir = dir;
    if (data && !state.file_chosen) Publish(state, std::move(*data));
  });
}

std::span<const BuiltinString> BuiltinTable(int table) {
  if (table == 1) return EnglishTable1();
  if (table == 2) return EnglishTable2();
  return {};
}

const wchar_t* FindBuiltin(int id, int table) {
  const auto entries = BuiltinTable(table);
  const auto it =
      std::lower_bound(entries.begin(), entries.end(), id,
                       [](const BuiltinString& entry, int wanted) { return entry.id < wanted; });
  if (it == entries.end() || it->id != id || !it->text) return nullptr;
  return it->text;
}

// "x.lng", in any letter case; works on narrow and wide native names.
// A translated pattern whose conversions differ from the English pattern's
// (another number, order or type) would format its argument wrongly or drop
// it: the entry is malformed, and the English pattern is kept for that string,
// with a diagnostic naming the file, the line and the id.
void KeepEnglishConversions(LngData& data, const EntryLines& lines, const std::string& file) {
  for (const int table : {1, 2}) {
    std::map<int, std::wstring>& entries = table == 1 ? data.table1 : data.table2;
    for (auto entry = entries.begin(); entry != entries.end();) {
      const wchar_t* english = FindBuiltin(entry->first, table);
      const Conversions want = english ? ReadConversions(english) : Conversions{};
      if (want.kinds.empty()) {
        ++entry;
        continue;
      }
      const Conversions have = ReadConversions(entry->second);
      if (have.kinds == want.kinds) {
        ++entry;
        continue;
      }
      const auto line = lines.find({table, entry->first});
      std::string where = file;
      if (line != lines.end()) where += ":" + std::to_string(line->second);
      ReportDiagnostic(where + ": string " + std::to_string(entry->first) + " of table " +
                       std::to_string(table) + ": conversions " +
                       WideToUtf8(ConversionList(have.kinds)) + " where English has " +
                       WideToUtf8(ConversionList(want.kinds)) + ": the English pattern is used");
      entry = entries.erase(entry);
    }
  }
}

bool HasLngExtension(const fs::path& path) {
  const auto extension = path.extension().native();
  if (extension.size() != kLngExtension.size()) return false;
  for (std::size_t i = 0; i < kLngExtension.size(); ++i) {
    auto c = extension[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
    if (c != static_cast<decltype(c)>(kLngExtension[i])) return false;
  }
  return true;
}

// The languages of one folder (see GetLeguagesList).
std::map<std::wstring, std::wstring> ListLanguages(const std::string& dir) {
  std::map<std::wstring, std::wstring> languages;
  const auto report = [&dir](const std::string& what) {
    ReportDiagnostic("languages folder " + dir + ": " + what);
  };
  std::error_code ec;
  fs::directory_iterator it(PathFromUtf8(dir), ec);
  if (ec) {
    report(ec.message());
    return languages;
  }
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const fs::path& path = it->path();
    std::error_code type_ec;
    if (!HasLngExtension(path) || !it->is_regular_file(type_ec)) continue;

    const fs::path absolute = fs::absolute(path, type_ec).lexically_normal();
    const auto key = PathToWide(type_ec ? path : absolute);
    const auto file_name = PathToWide(path.filename());
    if (!key || !file_name) {
      report("left out a file whose name is not valid UTF-8");
      continue;
    }
    LngData data;
    if (auto error = ReadLngFile(path, WideToUtf8(*key), data)) {
      ReportDiagnostic(error->message());
      continue;
    }
    // A file that names no language (or names it "") shows its file name.
    std::wstring name = data.name.value_or(std::wstring());
    if (name.empty()) name = file_name->substr(0, file_name->size() - kLngExtension.size());
    languages.emplace(*key, std::move(name));
  }
  if (ec) report(ec.message());
  return languages;
}

constexpr std::string_view kBuiltinHeader =
    "; The built-in English strings, written as a language file.\n"
    ";\n"
    "; To translate: copy this file into the languages folder, change the name, the\n"
    "; code (`de`, `fr-CA`) and the texts, and leave out whatever you do not\n"
    "; translate: a missing id falls back to the English text. Each entry is\n"
    "; `ID = TEXT`; blanks around '=' and at the end of a line are dropped. Put a\n"
    "; text in double quotes to keep its blanks; inside quotes \\\" \\\\ \\n and \\t\n"
    "; are escapes. Save as UTF-8.\n";

void AppendTable(std::string& out, int table) {
  out += "\n[table " + std::to_string(table) + "]\n";
  for (const BuiltinString& entry : BuiltinTable(table)) {
    const std::string text = LngTextSyntax(entry.text ? entry.text : L"");
    out += std::to_string(entry.id);
    out += text.empty() ? " =\n" : " = " + text + "\n";
  }
}

}  // namespace

std::string LngError::message() const {
  // Appended piece by piece: GCC 12 reports a false -Wrestrict on
  // `":" + std::to_string(line)` in an optimised build.
  std::string out = file;
  if (line > 0) {
    out += ':';
    out += std::to_string(line);
  }
  out += ": ";
  out += reason;
  return out;
}

std::optional<Error> SetLanguageFile(const std::string& path) {
  std::optional<LngData> data;
  std::optional<LngError> error;
  if (!path.empty()) {
    LngData parsed;
    EntryLines lines;
    error = ReadLngFile(path, parsed, &lines);
    if (!error) {
      KeepEnglishConversions(parsed, lines, path);
      data = std::move(parsed);
    }
  }
  LanguageState& state = State();
  {
    std::lock_guard lock(state.mutex);
    state.file_chosen = true;
    if (data) {
      Publish(state, std::move(*data));
    } else {
      state.current.store(nullptr, std::memory_order_release);
    }
  }
  if (!error) return std::nullopt;
  ReportDiagnostic(error->message());
  return error->ToError();
}

void SetLanguagesDir(const std::string& dir) {
  LanguageState& state = State();
  std::lock_guard lock(state.mutex);
  state.dir_chosen = true;
  state.languages_dir = dir;
}

std::optional<Error> CheckLanguageFile(const std::string& path) {
  LngData data;
  if (auto error = ReadLngFile(path, data)) return error->ToError();
  return std::nullopt;
}

std::optional<Error> ReadLanguageTexts(const std::string& path,
                                       std::map<std::pair<int, int>, std::wstring>& texts,
                                       std::wstring* name, std::string* code) {
  LngData data;
  if (auto error = ReadLngFile(path, data)) return error->ToError();
  if (name) *name = data.name.value_or(std::wstring());
  if (code) *code = data.code.value_or(std::string());
  texts.clear();
  for (auto& [id, text] : data.table1) texts[{1, id}] = std::move(text);
  for (auto& [id, text] : data.table2) texts[{2, id}] = std::move(text);
  return std::nullopt;
}

std::string BuiltinTablesAsLng() {
  std::string out(kBuiltinHeader);
  out += "\n[language]\nname = English\ncode = en\n";
  AppendTable(out, 1);
  AppendTable(out, 2);
  return out;
}

}  // namespace language

const wchar_t* LoadResourceString(int id, int table, int /*flag*/) {
  language::ReadEnvironmentOnce();
  const language::LngData* current = language::State().current.load(std::memory_order_acquire);
  if (current) {
    if (const std::wstring* text = current->Find(id, table)) return text->c_str();
  }
  const wchar_t* builtin = language::FindBuiltin(id, table);
  return builtin ? builtin : L"";
}

std::map<std::wstring, std::wstring> GetLeguagesList() {
  language::ReadEnvironmentOnce();
  std::string dir;
  {
    language::LanguageState& state = language::State();
    std::lock_guard lock(state.mutex);
    dir = state.languages_dir;
  }
  if (dir.empty()) return {};
  return language::ListLanguages(dir);
}
