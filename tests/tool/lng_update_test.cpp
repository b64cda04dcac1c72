// `ctrlelem lng update`: translations and comments stay byte for byte, missing
// ids arrive commented out, unknown ids leave for the obsolete block, and a
// second run changes nothing.
#include "lng/lng_update.h"

#include <algorithm>

#include "language/strings.h"
#include "lng/lng_lines.h"
#include "lng/string_index.h"
#include "lng_test_support.h"

namespace ctrlelem_tool::lng_test {
namespace {

using LngUpdateTest = LngFolder;

// A translator's file: comments, blank lines, CRLF and LF endings, a quoted
// text, an id the tables lack and no final line ending.
constexpr std::string_view kTranslated =
    "; Meine Übersetzung\r\n"
    "[language]\r\n"
    "name = Deutsch\r\n"
    "\r\n"
    "[table 1]\n"
    "  ; eingerückter Kommentar\n"
    "11 = Anrufen\n"
    "28 = \"  Name:\"\n"
    "99999 = weg damit\n"
    "\n"
    "[table 2]\n"
    "449   =   Wembrix";

std::size_t CountOf(const std::string& text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST_F(LngUpdateTest, KeepsTheTranslatorsLinesAndIsIdempotent) {
  const lng::EntryLines english = lng::BuiltinEntryLines();
  const std::string once = lng::UpdateLngContent(kTranslated, english);
  // Every line but the obsolete entry stays as it was, in its place.
  const std::string kept =
      std::string(kTranslated)
          .replace(std::string(kTranslated).find("99999 = weg damit\n"), 18, "");
  EXPECT_EQ(once.substr(0, kept.size()), kept);
  EXPECT_EQ(lng::UpdateLngContent(once, english), once);

  // Each untranslated id once, commented out with its English text; the
  // obsolete entry once, commented out.
  EXPECT_EQ(CountOf(once, lng::kUntranslatedMarker.data()), 1u);
  // What the update writes ends its lines as the file's first line does.
  EXPECT_NE(once.find("\n; 5 = The server did not respond in time.\r\n"), std::string::npos);
  EXPECT_EQ(once.find("\n; 11 = Call\r\n"), std::string::npos);
  EXPECT_NE(
      once.find(std::string(lng::kObsoleteMarker) + "\r\n[table 1]\r\n; 99999 = weg damit\r\n"),
      std::string::npos);
  EXPECT_EQ(CountOf(once, "\n; ") - CountOf(once, "\n; ===="),
            english.size() - 3 + 1);  // 3 translated; 1 obsolete
}

TEST_F(LngUpdateTest, ATranslationMadeInTheUntranslatedBlockStaysThere) {
  const lng::EntryLines english = lng::BuiltinEntryLines();
  std::string once = lng::UpdateLngContent(kTranslated, english);
  const std::string comment = "; 5 = The server did not respond in time.\r\n";
  once.replace(once.find(comment), comment.size(), "5 = Der Server antwortet nicht.\r\n");
  EXPECT_EQ(lng::UpdateLngContent(once, english), once);
}

TEST_F(LngUpdateTest, RewritesInPlaceOrWritesTheOutputAndTheResultChecksClean) {
  const std::string file = Write("de.lng", std::string(kTranslated));
  const std::string out = (dir_ / "out.lng").string();
  ASSERT_EQ(RunTool({"lng", "update", file, "-o", out}).status, 0);
  EXPECT_EQ(ReadAll(file), kTranslated);  // -o leaves the input alone
  ASSERT_EQ(RunTool({"lng", "update", file}).status, 0);
  EXPECT_EQ(ReadAll(file), ReadAll(out));
  // Nothing but the two files: the temporary file was renamed over the input.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);
  // The obsolete id is gone; what is missing is still missing (commented out).
  const Outcome check = RunTool({"lng", "check", file, "--json"});
  EXPECT_EQ(check.out.find("\"unknown\""), std::string::npos);
  EXPECT_NE(check.out.find("\"missing\""), std::string::npos);
  EXPECT_EQ(RunTool({"lng", "update", (dir_ / "absent.lng").string()}).status, 2);
}

// ---- What an update means: the property over many files -------------------

namespace fs = std::filesystem;

// What a language file reads as, through the library: the text of every id
// of the built-in tables (a translation, or English where the file has none)
// and the language's name in the list of its folder.
struct Meaning {
  std::map<lng::StringKey, std::wstring> texts;
  std::wstring name;
  bool operator==(const Meaning&) const = default;
};

Meaning MeaningOf(const fs::path& file, const lng::EntryLines& english) {
  Meaning meaning;
  EXPECT_FALSE(language::SetLanguageFile(file.string()));
  for (const auto& [key, line] : english) {
    meaning.texts[key] = LoadResourceString(key.id, key.table, 0);
  }
  language::SetLanguageFile("");
  language::SetLanguagesDir(file.parent_path().string());
  for (const auto& [path, name] : GetLeguagesList()) {
    if (fs::path(path).filename() == file.filename()) meaning.name = name;
  }
  language::SetLanguagesDir("");
  return meaning;
}

// The lines a translator wrote that the update must keep: comments that are
// no commented-out entry, section headers outside the tool's blocks, the name.
std::vector<std::string> TranslatorsLines(std::string_view content) {
  std::vector<std::string> kept;
  bool tools_block = false;
  for (const lng::LngLine& line : lng::SplitLngLines(content)) {
    std::string text(lng::TrimBlanks(lng::LineText(line)));
    if (line.number == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (text == lng::kUntranslatedMarker || text == lng::kObsoleteMarker) tools_block = true;
    const bool note = line.kind == lng::LineKind::comment && !text.empty() &&
                      lng::CommentedEntryId(text) < 0 && !text.starts_with("; ====");
    const bool header = line.kind == lng::LineKind::section && !tools_block;
    if (note || header || line.kind == lng::LineKind::other) kept.push_back(text);
  }
  return kept;
}

// Variants of a file that translators' editors and hands make.
std::vector<std::string> Variants(const std::string& content, const lng::EntryLines& english) {
  std::string crlf;
  for (const char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::size_t first_end = content.find('\n');
  std::string bom_crlf_first = "\xEF\xBB\xBF" + content;
  if (first_end != std::string::npos) bom_crlf_first.insert(first_end + 3, "\r");
  std::string unended = content;
  while (unended.ends_with('\n')) unended.pop_back();
  std::vector<std::string> variants = {content, crlf, bom_crlf_first, unended + "\r",
                                       content + "\r"};
  // A translator's note and the name written below the tool's blocks, and an
  // entry uncommented in the obsolete block.
  const std::string updated = lng::UpdateLngContent(content, english);
  variants.push_back(updated + "; checked by Anna\n[language]\nname = Appended\n");
  variants.push_back(updated + "\n" + std::string(lng::kObsoleteMarker) + "\n[table 2]\n" +
                     "; a note among the obsolete\n449 = Wembrix\n");
  return variants;
}

TEST_F(LngUpdateTest, KeepsWhatEveryFileMeansAndASecondRunChangesNothing) {
  const lng::EntryLines english = lng::BuiltinEntryLines();
  std::vector<std::string> bases = {
      "[table 1]\r\n2 = Hallo\r\n\r",
      "[table 1]\n2 = Hallo\r",
      std::string(kTranslated),
  };
  const fs::path source = fs::path(CTRLELEM_LANGUAGES_DIR).parent_path();
  for (const fs::path& folder :
       {source / "languages", source / "fuzz/corpus/lng_fuzzer",
        source / "fuzz/corpus/descriptions_fuzzer", source / "fuzz/corpus/lng_update_fuzzer"}) {
    for (const auto& entry : fs::directory_iterator(folder)) bases.push_back(ReadAll(entry.path()));
  }
  fs::create_directories(dir_ / "in");
  fs::create_directories(dir_ / "out");
  int checked = 0;
  for (const std::string& base : bases) {
    for (const std::string& input : Variants(base, english)) {
      const std::string in = Write("in/x.lng", input);
      if (language::CheckLanguageFile(in)) continue;  // only files that parse
      SCOPED_TRACE(testing::PrintToString(input.substr(0, 300)));
      const std::string once = lng::UpdateLngContent(input, english);
      const std::string out = Write("out/x.lng", once);
      ASSERT_FALSE(language::CheckLanguageFile(out)) << once;
      EXPECT_EQ(MeaningOf(out, english), MeaningOf(in, english)) << once;
      EXPECT_EQ(lng::UpdateLngContent(once, english), once);
      const std::vector<std::string> lines = TranslatorsLines(once);
      for (const std::string& line : TranslatorsLines(input)) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
      }
      ++checked;
    }
  }
  EXPECT_GE(checked, 50);
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test
