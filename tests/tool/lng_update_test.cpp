// `ctrlelem lng update`: translations and comments stay byte for byte, missing
// ids arrive commented out, unknown ids leave for the obsolete block, and a
// second run changes nothing.
#include "lng/lng_update.h"

#include "language/strings.h"
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

}  // namespace
}  // namespace ctrlelem_tool::lng_test
