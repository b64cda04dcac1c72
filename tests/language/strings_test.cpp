// String lookup, choosing the language, the language list and the built-in
// tables written as a language file, through the library's interface.
#include "language/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "language/diagnostics.h"
#include "language_test_support.h"

#if defined(__linux__)
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace {

using language_test::LanguageStateTest;
using language_test::TempDir;
using language_test::Text;
namespace fs = std::filesystem;

// An id no built-in table uses, so a language file alone decides its text.
constexpr int kFreeId = 900001;

std::string PathString(const fs::path& path) { return path.string(); }

// Only cases that do not run on Windows use it.
[[maybe_unused]] bool AnyContains(const std::vector<std::string>& messages,
                                  const std::string& part) {
  return std::any_of(messages.begin(), messages.end(),
                     [&](const std::string& m) { return m.find(part) != std::string::npos; });
}

TEST_F(LanguageStateTest, BuiltinTablesAnswerAndUnknownStringsAreEmpty) {
  EXPECT_EQ(Text(1491, 1), L"Change Lan&guage");
  EXPECT_FALSE(Text(1, 1).empty());
  EXPECT_FALSE(Text(20, 2).empty());
  EXPECT_EQ(LoadResourceString(1, 1, 7), LoadResourceString(1, 1, 0));  // the flag is ignored
  EXPECT_EQ(Text(-1, 1), L"");
  EXPECT_EQ(Text(kFreeId, 1), L"");
  EXPECT_EQ(Text(1, 0), L"");
  EXPECT_EQ(Text(1, 3), L"");
  EXPECT_EQ(Text(2147483647, 2), L"");
}

TEST_F(LanguageStateTest, LanguageFileOverridesAndTheRestFallsBackToEnglish) {
  const std::wstring english_1 = Text(1, 1);
  const std::wstring english_2 = Text(2, 1);
  const std::wstring english_20_1 = Text(20, 1);
  TempDir dir;
  const fs::path file =
      dir.Write("de.lng", "[table 1]\n1 = Eins\n2 =\n900001 = neu\n[table 2]\n20 = Zwanzig\n");
  ASSERT_FALSE(language::SetLanguageFile(PathString(file)));
  EXPECT_EQ(Text(1, 1), L"Eins");
  EXPECT_EQ(Text(2, 1), L"");  // an empty text in the file is a translation too
  EXPECT_EQ(Text(kFreeId, 1), L"neu");
  EXPECT_EQ(Text(kFreeId, 2), L"");
  EXPECT_EQ(Text(20, 2), L"Zwanzig");
  EXPECT_EQ(Text(20, 1), english_20_1);

  ASSERT_FALSE(language::SetLanguageFile(""));
  EXPECT_EQ(Text(1, 1), english_1);
  EXPECT_EQ(Text(2, 1), english_2);
  EXPECT_EQ(Text(kFreeId, 1), L"");
}

// A translated pattern with other conversions than the English one would
// format its argument wrongly or drop it ("Erneut mit %d" showed "Erneut mit "):
// the English pattern is kept for that string, and a diagnostic names the
// file, the line and the string. Patterns that agree, and texts that are no
// patterns, are taken as written.
TEST_F(LanguageStateTest, APatternWithOtherConversionsKeepsTheEnglishPattern) {
  const std::wstring english_762 = Text(762, 1);
  ASSERT_NE(english_762.find(L"%s"), std::wstring::npos);
  const struct {
    const char* entry;
    bool kept;
  } rows[] = {
      {"762 = Erneut mit %d", false},     // another type
      {"762 = Erneut mit %s %s", false},  // another number
      {"762 = Erneut mit", false},        // none
      {"762 = Erneut mit %s", true},
      {"762 = %s: erneut", true},  // the same conversions elsewhere in the text
  };
  for (const auto& row : rows) {
    TempDir dir;
    const fs::path file =
        dir.Write("p.lng", std::string("[table 1]\n1 = Eins\n") + row.entry + "\n");
    ASSERT_FALSE(language::SetLanguageFile(PathString(file)));
    EXPECT_EQ(Text(1, 1), L"Eins") << row.entry;  // the rest of the file is used
    const std::vector<std::string> diagnostics = language::TakeDiagnostics();
    if (row.kept) {
      EXPECT_NE(Text(762, 1), english_762) << row.entry;
      EXPECT_TRUE(diagnostics.empty()) << row.entry;
    } else {
      EXPECT_EQ(Text(762, 1), english_762) << row.entry;
      ASSERT_EQ(diagnostics.size(), 1u) << row.entry;
      EXPECT_TRUE(diagnostics[0].starts_with(PathString(file) + ":3: string 762 of table 1: "))
          << diagnostics[0];
      EXPECT_TRUE(diagnostics[0].ends_with("the English pattern is used")) << diagnostics[0];
    }
  }
}

TEST_F(LanguageStateTest, HandedOutTextsOutliveLanguageChanges) {
  TempDir dir;
  const fs::path one = dir.Write("one.lng", "[table 1]\n900001 = Eins\n");
  const fs::path two = dir.Write("two.lng", "[table 1]\n900001 = Zwei\n");
  const wchar_t* english = LoadResourceString(1, 1, 0);
  const std::wstring english_copy = english;

  ASSERT_FALSE(language::SetLanguageFile(PathString(one)));
  const wchar_t* from_one = LoadResourceString(kFreeId, 1, 0);
  ASSERT_FALSE(language::SetLanguageFile(PathString(two)));
  const wchar_t* from_two = LoadResourceString(kFreeId, 1, 0);
  ASSERT_FALSE(language::SetLanguageFile(PathString(one)));
  EXPECT_EQ(LoadResourceString(kFreeId, 1, 0), from_one);  // the same table, not a second copy
  ASSERT_FALSE(language::SetLanguageFile(""));

  EXPECT_STREQ(from_one, L"Eins");
  EXPECT_STREQ(from_two, L"Zwei");
  EXPECT_EQ(english, LoadResourceString(1, 1, 0));
  EXPECT_EQ(english, english_copy);
}

TEST_F(LanguageStateTest, MalformedFileLeavesTheBuiltinTablesCurrent) {
  TempDir dir;
  const fs::path good = dir.Write("good.lng", "[table 1]\n1 = Gut\n900001 = gut\n");
  const fs::path bad = dir.Write("bad.lng", "[table 1]\n1 = Schlecht\n900001 = \"offen\n");
  ASSERT_FALSE(language::SetLanguageFile(PathString(good)));
  language::SetLanguageFile("");
  const std::wstring english = Text(1, 1);
  ASSERT_FALSE(language::SetLanguageFile(PathString(good)));

  const auto error = language::SetLanguageFile(PathString(bad));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message.rfind(PathString(bad) + ":3: ", 0), 0u) << error->message;
  EXPECT_EQ(Text(1, 1), english);  // neither the bad file nor the one before it
  EXPECT_EQ(Text(kFreeId, 1), L"");
  EXPECT_EQ(language::TakeDiagnostics(), std::vector<std::string>{error->message});
}

// A FIFO, device or folder is refused at once (reading a FIFO used to wait for
// a writer forever), through both functions.
TEST_F(LanguageStateTest, UnreadableFilesAreErrorsOfLineZero) {
  TempDir dir;
  std::vector<std::pair<fs::path, std::string>> cases = {
      {dir.path() / "missing.lng", "cannot open the file"},
      {dir.path(), "not a regular file"},
  };
#if defined(__linux__)
  ASSERT_EQ(mkfifo((dir.path() / "fifo.lng").c_str(), 0600), 0);
  cases.push_back({dir.path() / "fifo.lng", "not a regular file"});
  cases.push_back({"/dev/null", "not a regular file"});
#endif
  for (const auto& [path, reason] : cases) {
    const auto error = language::SetLanguageFile(PathString(path));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.rfind(PathString(path) + ": " + reason, 0), 0u) << error->message;
    EXPECT_EQ(language::CheckLanguageFile(PathString(path)), error);
  }
  // SetLanguageFile reports, Check does not
  EXPECT_EQ(language::TakeDiagnostics().size(), cases.size());
}

TEST_F(LanguageStateTest, FileWithByteOrderMarkAndCrLfLoads) {
  TempDir dir;
  const fs::path file = dir.Write("win.lng", "\xEF\xBB\xBF[table 1]\r\n900001 = Hallo \r\n");
  ASSERT_FALSE(language::SetLanguageFile(PathString(file)));
  EXPECT_EQ(Text(kFreeId, 1), L"Hallo");
}

TEST_F(LanguageStateTest, CheckLanguageFileOnlyParses) {
  TempDir dir;
  const fs::path good = dir.Write("good.lng", "[table 1]\n900001 = gut\n");
  const fs::path bad = dir.Write("bad.lng", "[table 9]\n");
  EXPECT_FALSE(language::CheckLanguageFile(PathString(good)));
  EXPECT_EQ(Text(kFreeId, 1), L"");
  const auto error = language::CheckLanguageFile(PathString(bad));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, PathString(bad) + ":1: unknown section [table 9]");
  EXPECT_TRUE(language::TakeDiagnostics().empty());
}

TEST_F(LanguageStateTest, ReadersSeeWholeLanguagesWhileTheLanguageChanges) {
  TempDir dir;
  const std::string one = PathString(dir.Write("one.lng", "[table 1]\n900001 = Eins\n"));
  const std::string two = PathString(dir.Write("two.lng", "[table 1]\n900001 = Zwei\n"));
  std::atomic<bool> done{false};
  std::atomic<int> wrong{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < 3; ++i) {
    readers.emplace_back([&] {
      while (!done) {
        const std::wstring text = Text(kFreeId, 1);
        if (text != L"Eins" && text != L"Zwei" && text != L"") ++wrong;
      }
    });
  }
  for (int i = 0; i < 200; ++i) {
    language::SetLanguageFile(one);
    language::SetLanguageFile(two);
    language::SetLanguageFile("");
  }
  done = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(wrong, 0);
}

// Parsing the written tables back must give every built-in text exactly, from
// the file (not by falling back to the built-in table), and nothing more.
TEST_F(LanguageStateTest, BuiltinTablesWrittenAsLanguageFileReadBackExactly) {
  const std::string lng = language::BuiltinTablesAsLng();
  EXPECT_NE(lng.find("\n[language]\nname = English\ncode = en\n"), std::string::npos);
  EXPECT_LT(lng.find("[table 1]"), lng.find("[table 2]"));

  int highest = 0;
  std::istringstream lines(lng);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line[0] >= '0' && line[0] <= '9')
      highest = std::max(highest, std::stoi(line));
  }
  const int last_id = highest + 1000;
  const wchar_t* unknown = LoadResourceString(-1, 1, 0);
  std::vector<const wchar_t*> builtin[3];
  for (int table : {1, 2}) {
    for (int id = 0; id <= last_id; ++id)
      builtin[table].push_back(LoadResourceString(id, table, 0));
  }

  TempDir dir;
  const fs::path file = dir.Write("english.lng", lng);
  const auto error = language::SetLanguageFile(PathString(file));
  ASSERT_FALSE(error) << error->message;
  int from_file = 0;
  for (int table : {1, 2}) {
    for (int id = 0; id <= last_id; ++id) {
      SCOPED_TRACE("string " + std::to_string(id) + " of table " + std::to_string(table));
      const wchar_t* english = builtin[table][static_cast<std::size_t>(id)];
      const wchar_t* loaded = LoadResourceString(id, table, 0);
      if (english == unknown) {
        EXPECT_STREQ(loaded, L"");
        continue;
      }
      EXPECT_NE(loaded, english);
      EXPECT_STREQ(loaded, english);
      ++from_file;
    }
  }
  EXPECT_GT(from_file, 100);
}

TEST_F(LanguageStateTest, ListsTheLanguageFilesOfTheFolder) {
  TempDir dir;
  dir.Write("alpha.lng", "[language]\nname = Alpha\n[table 1]\n1 = a\n");
  dir.Write("Beta.LNG", "[table 1]\n1 = b\n");
  dir.Write("gamma.lng", "[language]\nname =\n");
  dir.Write("notes.txt", "[language]\nname = Notes\n");
  dir.Write("alpha.lng.bak", "[language]\nname = Backup\n");
  dir.Write("sub/delta.lng", "[language]\nname = Delta\n");
  fs::create_directory(dir.path() / "folder.lng");
#if defined(__linux__)
  ASSERT_EQ(mkfifo((dir.path() / "fifo.lng").c_str(), 0600), 0);  // skipped, never opened
#endif
  dir.Write("broken.lng", "[language]\nname = Broken\noops\n");
  const auto key = [&](const char* name) {
    return fs::absolute(dir.path() / name).lexically_normal().wstring();
  };
  const std::map<std::wstring, std::wstring> expected = {
      {key("Beta.LNG"), L"Beta"}, {key("alpha.lng"), L"Alpha"}, {key("gamma.lng"), L"gamma"}};

  language::SetLanguagesDir(PathString(dir.path()));
  EXPECT_EQ(GetLeguagesList(), expected);
  const auto diagnostics = language::TakeDiagnostics();
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find("broken.lng:3: line without '='"), std::string::npos)
      << diagnostics[0];

  // A relative folder still gives absolute keys.
  const fs::path relative = fs::relative(dir.path());
  if (!relative.empty() && relative.is_relative()) {
    language::SetLanguagesDir(PathString(relative));
    EXPECT_EQ(GetLeguagesList(), expected);
  }
}

TEST_F(LanguageStateTest, UnsetFolderGivesNoLanguagesAndMissingFolderIsReported) {
  EXPECT_TRUE(GetLeguagesList().empty());
  EXPECT_TRUE(language::TakeDiagnostics().empty());

  TempDir dir;
  language::SetLanguagesDir(PathString(dir.path() / "missing"));
  EXPECT_TRUE(GetLeguagesList().empty());
  const auto diagnostics = language::TakeDiagnostics();
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find("missing"), std::string::npos) << diagnostics[0];
}

#if !defined(_WIN32)
TEST_F(LanguageStateTest, FileNamesThatAreNotUtf8AreLeftOut) {
  TempDir dir;
  dir.Write("ok.lng", "[language]\nname = OK\n");
  dir.Write("bad\xFF.lng", "[language]\nname = Bad\n");
  language::SetLanguagesDir(PathString(dir.path()));
  const auto list = GetLeguagesList();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list.begin()->second, L"OK");
  EXPECT_TRUE(AnyContains(language::TakeDiagnostics(), "not valid UTF-8"));
}
#endif

// The language files shipped for users must load.
TEST_F(LanguageStateTest, ShippedLanguageFilesAreValid) {
  const fs::path shipped =
      fs::path(__FILE__).parent_path().parent_path().parent_path() / "languages";
  if (!fs::is_directory(shipped)) GTEST_SKIP() << "no languages folder at " << shipped;
  language::SetLanguagesDir(PathString(shipped));
  const auto list = GetLeguagesList();
  EXPECT_TRUE(language::TakeDiagnostics().empty());
  const auto german = std::find_if(list.begin(), list.end(),
                                   [](const auto& entry) { return entry.second == L"Deutsch"; });
  ASSERT_NE(german, list.end());

  const std::wstring english_caption = Text(2, 1);
  ASSERT_FALSE(language::SetLanguageFile(PathString(fs::path(german->first))));
  EXPECT_EQ(Text(1491, 1), L"&Sprache \u00E4ndern");
  EXPECT_EQ(Text(2, 1), english_caption);
}

// The environment is read once, on the first use in a process, so each case
// runs in a fresh copy of this program (the child test below) with its own
// environment.
#if defined(__linux__)
constexpr const char* kRoleVariable = "LANGUAGE_TEST_ENVIRONMENT_ROLE";

int RunChild(const std::string& role, const std::string& file, const std::string& dir,
             const fs::path& output) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    if (variable.rfind("CTRLELEM_LANGUAGE", 0) == 0 || variable.rfind("GTEST_", 0) == 0) continue;
    variables.push_back(variable);
  }
  variables.push_back(std::string(kRoleVariable) + "=" + role);
  variables.push_back("CTRLELEM_LANGUAGE_FILE=" + file);
  variables.push_back("CTRLELEM_LANGUAGES_DIR=" + dir);
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  std::string program = "/proc/self/exe";
  std::string filter = "--gtest_filter=LanguageEnvironmentChild.*";
  char* argv[] = {program.data(), filter.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LanguageEnvironment, VariablesChooseWhatNoCallChoseOnFirstUse) {
  TempDir dir;
  const fs::path file = dir.Write(
      "env.lng", "[language]\nname = Umgebung\n[table 1]\n900001 = from the environment\n");
  const fs::path bad = dir.Write("bad/bad.lng", "[table 1]\nbroken\n");
  const fs::path fifo = dir.path() / "fifo" / "fifo.lng";  // refused, never waited on
  fs::create_directories(fifo.parent_path());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    const char* role;
    fs::path file;
  } cases[] = {{"both", file},
               {"calls_first", file},
               {"dir_call_first", file},
               {"bad_file", bad},
               {"fifo_file", fifo}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.role);
    const fs::path output = dir.path() / (std::string(c.role) + ".out");
    EXPECT_EQ(RunChild(c.role, PathString(c.file), PathString(dir.path()), output), 0)
        << ReadAll(output);
  }
}

TEST(LanguageEnvironmentChild, Run) {
  const char* role_variable = std::getenv(kRoleVariable);
  if (!role_variable) GTEST_SKIP() << "runs only when started by LanguageEnvironment";
  const std::string role = role_variable;
  if (role == "calls_first") {
    language::SetLanguageFile("");
    language::SetLanguagesDir("");
  } else if (role == "dir_call_first") {
    language::SetLanguagesDir("");
  }
  const std::wstring text = Text(kFreeId, 1);
  const auto list = GetLeguagesList();

  const bool file_from_environment = role == "both" || role == "dir_call_first";
  const bool dir_from_environment = role == "both" || role == "bad_file" || role == "fifo_file";
  EXPECT_EQ(text, file_from_environment ? L"from the environment" : L"");
  if (dir_from_environment) {
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.begin()->second, L"Umgebung");
  } else {
    EXPECT_TRUE(list.empty());
  }
  const auto diagnostics = language::TakeDiagnostics();
  if (role == "bad_file") {
    EXPECT_TRUE(AnyContains(diagnostics, "bad.lng:2: line without '='"));
  } else if (role == "fifo_file") {
    EXPECT_TRUE(AnyContains(diagnostics, "CTRLELEM_LANGUAGE_FILE: ")) << diagnostics.front();
    EXPECT_TRUE(AnyContains(diagnostics, "fifo.lng: not a regular file"));
  } else {
    EXPECT_TRUE(diagnostics.empty());
  }
}
#endif

}  // namespace
