// The language-file syntax, its errors, the writer of texts and the UTF-8
// conversions, tested in memory against the library's internal headers.
#include "lng_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "utf.h"

namespace {

using language::LngData;
using language::LngError;
using namespace std::string_view_literals;

using Table = std::map<int, std::wstring>;

// The file's data, or a failed expectation naming the error.
LngData ParseOk(std::string_view content) {
  LngData data;
  const auto error = language::ParseLng(content, "t.lng", data);
  EXPECT_FALSE(error) << error->message();
  return data;
}

std::optional<LngError> ParseError(std::string_view content) {
  LngData data;
  return language::ParseLng(content, "t.lng", data);
}

// One text of table 1 written with LngTextSyntax and read back.
std::wstring ThroughFile(std::wstring_view text) {
  const std::string content = "[table 1]\n1 = " + language::LngTextSyntax(text) + "\n";
  return ParseOk(content).table1[1];
}

TEST(LngSyntax, SectionsNameAndEntries) {
  const LngData data = ParseOk(
      "[language]\nname = Deutsch\ncode = de-AT\n"
      "[table 1]\n1 = Eins\n0 = Null\n2147483647 = Letzte\n007 = Sieben\n"
      "[table 2]\n1 = Zwei\n"
      "[table 1]\n2 = wieder Tabelle 1\n");
  EXPECT_EQ(data.name, L"Deutsch");
  EXPECT_EQ(data.code, "de-AT");
  EXPECT_EQ(data.table1, (Table{{0, L"Null"},
                                {1, L"Eins"},
                                {2, L"wieder Tabelle 1"},
                                {7, L"Sieben"},
                                {2147483647, L"Letzte"}}));
  EXPECT_EQ(data.table2, (Table{{1, L"Zwei"}}));
  EXPECT_EQ(*data.Find(7, 1), L"Sieben");
  EXPECT_EQ(data.Find(7, 2), nullptr);
  EXPECT_EQ(data.Find(1, 3), nullptr);
}

TEST(LngSyntax, EmptyAndCommentOnlyFilesHoldNothing) {
  EXPECT_EQ(ParseOk(""), LngData{});
  EXPECT_EQ(ParseOk("\xEF\xBB\xBF"), LngData{});
  EXPECT_EQ(ParseOk("; only\n# comments\n\n  \t\n"), LngData{});
}

TEST(LngSyntax, ByteOrderMarkCrLfCommentsAndLastLineWithoutNewline) {
  const LngData data = ParseOk(
      "\xEF\xBB\xBF; comment\r\n\r\n   # another\r\n[table 1]\r\n"
      "\t; indented comment\r\n5 = five\r\n6 = six");
  EXPECT_EQ(data.table1, (Table{{5, L"five"}, {6, L"six"}}));
}

TEST(LngSyntax, BlanksAroundEqualsAndAtLineEndAreDropped) {
  const LngData data = ParseOk(
      "  [table 1]  \n"
      "7 \t=  \t spaced  text \t\n"
      "8=tight\n"
      "9 =\n"
      "10 =  \t \n"
      "  11  = x\n");
  EXPECT_EQ(data.table1,
            (Table{{7, L"spaced  text"}, {8, L"tight"}, {9, L""}, {10, L""}, {11, L"x"}}));
}

TEST(LngSyntax, QuotedTextKeepsBlanksAndKnowsFourEscapes) {
  const LngData data = ParseOk(
      "[table 1]\n"
      "1 = \"  padded  \"\n"
      "2 = \"a\\\"b\\\\c\\nd\\te\"\n"
      "3 = \"\"\n"
      "4 = \"x\"  \t\n"
      "5 = \"; = [table 2] #\"\n");
  EXPECT_EQ(data.table1, (Table{{1, L"  padded  "},
                                {2, L"a\"b\\c\nd\te"},
                                {3, L""},
                                {4, L"x"},
                                {5, L"; = [table 2] #"}}));
}

TEST(LngSyntax, UnquotedTextIsLiteral) {
  const LngData data = ParseOk(
      "[table 1]\n"
      "1 = C:\\new\\table\\\n"
      "2 = a = \"b\" ; not a comment\n"
      "3 = say \"hi\"\n"
      "4 = tab\tinside\n");
  EXPECT_EQ(data.table1, (Table{{1, L"C:\\new\\table\\"},
                                {2, L"a = \"b\" ; not a comment"},
                                {3, L"say \"hi\""},
                                {4, L"tab\tinside"}}));
}

TEST(LngSyntax, TextIsDecodedFromUtf8) {
  const LngData data = ParseOk(
      "[language]\nname = Fran\xC3\xA7"
      "ais\n"
      "[table 2]\n1 = Gr\xC3\xB6\xC3\x9F"
      "e \xE2\x82\xAC \xF0\x9D\x84\x9E\n");
  EXPECT_EQ(data.name, L"Fran\u00E7ais");
  EXPECT_EQ(data.table2.at(1), L"Gr\u00F6\u00DFe \u20AC \U0001D11E");
}

struct ErrorCase {
  std::string_view content;
  int line;
  std::string_view reason;  // a part of the reason
};

TEST(LngSyntax, EachErrorNamesItsLine) {
  const ErrorCase cases[] = {
      {"[tables]\n", 1, "unknown section [tables]"},
      {"[table 3]\n", 1, "unknown section [table 3]"},
      {"[Language]\n", 1, "unknown section [Language]"},
      {"[table 1\n", 1, "without closing ']'"},
      {"; c\n\n1 = x\n", 3, "entry before any section"},
      {"[table 1]\njust words\n", 2, "line without '='"},
      {"[table 1]\n-1 = x\n", 2, "bad string id '-1'"},
      {"[table 1]\n+1 = x\n", 2, "bad string id '+1'"},
      {"[table 1]\n2147483648 = x\n", 2, "bad string id '2147483648'"},
      {"[table 1]\n99999999999999999999 = x\n", 2, "bad string id"},
      {"[table 1]\n1a = x\n", 2, "bad string id '1a'"},
      {"[table 1]\n1 2 = x\n", 2, "bad string id '1 2'"},
      {"[table 1]\n = x\n", 2, "bad string id ''"},
      {"[language]\nlang = x\n", 2, "unknown key 'lang' in [language]"},
      {"[language]\nname = a\n\nname = b\n", 4, "duplicate name"},
      // A code labels text for browsers: a tag's shape, nothing else.
      {"[language]\ncode = de\ncode = fr\n", 3, "duplicate code"},
      {"[language]\ncode =\n", 2, "bad language code ''"},
      {"[language]\ncode = 1de\n", 2, "bad language code '1de'"},
      {"[language]\ncode = de_AT\n", 2, "bad language code 'de_AT'"},
      {"[language]\ncode = \"de\"\n", 2, "bad language code '\"de\"'"},
      {"[language]\ncode = de\" onload=\"x\n", 2, "bad language code"},
      {"[language]\ncode = abcdefghijklmnopqrstuvwxyzabcdefghij\n", 2, "bad language code"},
      {"[table 1]\n5 = a\n[table 2]\n5 = b\n[table 1]\n5 = c\n", 6, "duplicate id 5 in [table 1]"},
      {"[table 2]\n1 = x\n01 = y\n", 3, "duplicate id 1 in [table 2]"},
      {"[table 1]\n1 = \"open\n", 2, "unterminated quote"},
      {"[table 1]\n1 = \"\n", 2, "unterminated quote"},
      {"[table 1]\n1 = \"escaped end\\\"\n", 2, "unterminated quote"},
      {"[table 1]\n1 = \"ends in backslash\\\n", 2, "unterminated quote"},
      {"[table 1]\n1 = \"a\\qb\"\n", 2, "unknown escape '\\q'"},
      {"[table 1]\n1 = \"a\\rb\"\n", 2, "unknown escape '\\r'"},
      {"[table 1]\n1 = \"a\" b\n", 2, "text after the closing quote"},
      {"[table 1]\n1 = \"a\"\"\n", 2, "text after the closing quote"},
      {"[language]\nname = \"x\n", 2, "unterminated quote"},
      {"[table 1]\n1 = a\0b\n"sv, 2, "NUL character"},
      // The byte-order mark is no line of its own; CRLF counts as one line end.
      {"\xEF\xBB\xBF\n\n[x]\n", 3, "unknown section"},
      {"[table 1]\r\n\r\nbad\r\n", 3, "line without '='"},
      // Control characters but TAB: in no text or name, quoted or not.
      {"[table 1]\n1 = a\x1b[2Kb\n", 2, "control character U+001B in the text"},
      {"[table 1]\n1 = \"a\x07\"\n", 2, "control character U+0007"},
      {"[table 1]\n1 = Hallo\r\r\n", 2, "control character U+000D"},
      {"[table 1]\n1 = a\rb\n", 2, "control character U+000D"},
      {"[language]\nname = \x1b]52;c;eA==\x07\n", 2, "control character U+001B"},
      // What an error quotes from the line shows its controls escaped.
      {"[x\x1b[1A]\n", 1, "unknown section [x\\x1B[1A]"},
      {"[table 1]\n1\x1b = x\n", 2, "bad string id '1\\x1B'"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(std::string(c.content));
    const auto error = ParseError(c.content);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, "t.lng");
    EXPECT_EQ(error->line, c.line);
    EXPECT_NE(error->reason.find(c.reason), std::string::npos) << error->reason;
  }
}

TEST(LngSyntax, MalformedUtf8IsAnErrorAnywhere) {
  const std::string_view bad_sequences[] = {
      "\x80",              // stray continuation byte
      "\xC3",              // truncated two-byte form
      "\xE2\x82",          // truncated three-byte form
      "\xC0\xAF",          // overlong '/'
      "\xC1\xBF",          // overlong
      "\xE0\x80\xAF",      // overlong in three bytes
      "\xF0\x80\x80\xAF",  // overlong in four bytes
      "\xED\xA0\x80",      // surrogate U+D800
      "\xED\xBF\xBF",      // surrogate U+DFFF
      "\xF4\x90\x80\x80",  // U+110000
      "\xF8\x88\x80\x80\x80",
      "\xFF",
      "\xE2\x28\xA1",  // lead byte followed by ASCII
  };
  for (std::string_view bad : bad_sequences) {
    SCOPED_TRACE(testing::PrintToString(std::string(bad)));
    for (const std::string& content :
         {"[table 1]\n1 = a" + std::string(bad) + "\n", "[table 1]\n; b" + std::string(bad) + "\n",
          "[table 1]\n" + std::string(bad) + "1 = x\n"}) {
      const auto error = ParseError(content);
      ASSERT_TRUE(error);
      EXPECT_EQ(error->line, 2);
      EXPECT_NE(error->reason.find("invalid UTF-8"), std::string::npos) << error->reason;
    }
  }
}

// A text is counted in characters once decoded: 4096 of them (two-byte ones,
// an escape among them) pass, one more refuses the file with the count.
TEST(LngSyntax, TextsLongerThanTheLimitAreRefused) {
  std::string longest = "\"\\n";
  for (std::size_t i = 1; i < language::kMaxTextLength; ++i) longest += "\xC3\xBC";
  const LngData data = ParseOk("[table 1]\n1 = " + longest + "\"\n");
  EXPECT_EQ(data.Find(1, 1)->size(), language::kMaxTextLength);
  for (const std::string section : {"[table 2]\n1 = ", "[language]\nname = "}) {
    const auto error = ParseError(section + longest + "\xC3\xBC\"\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 2);
    EXPECT_EQ(error->reason, "text of 4097 characters (at most 4096)");
  }
}

// Files saved as "Unicode" are UTF-16: say so, rather than "invalid UTF-8".
TEST(LngSyntax, Utf16IsNamedAsSuch) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"\xFF\xFE[\0t\0"sv, "the file is UTF-16 (byte-order mark FF FE); save it as UTF-8"},
      {"\xFE\xFF\0[\0t"sv, "the file is UTF-16 (byte-order mark FE FF); save it as UTF-8"},
      {"[\0t\0a\0b\0l\0e\0 \0"
       "1\0]\0\n\0"sv,
       "the file looks like UTF-16 (NUL bytes between the characters); save it as UTF-8"},
  };
  for (const auto& [content, reason] : cases) {
    const auto error = ParseError(content);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 0);
    EXPECT_EQ(error->reason, reason);
  }
  EXPECT_EQ(ParseError("[table 1]\n1 = a\0b\n"sv)->reason, "NUL character in the line");
}

TEST(LngSyntax, FirstErrorWinsAndNothingOfTheFileIsUsed) {
  LngData data;
  data.name = L"kept";
  const auto error = language::ParseLng("[table 1]\n1 = fine\nno equals\n[bogus]\n", "t.lng", data);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->line, 3);
  EXPECT_EQ(data.name, L"kept");
  EXPECT_TRUE(data.table1.empty());
}

TEST(LngSyntax, ErrorMessageNamesFileAndLine) {
  EXPECT_EQ((LngError{"de.lng", 3, "bad string id 'x'"}.message()), "de.lng:3: bad string id 'x'");
  EXPECT_EQ((LngError{"de.lng", 0, "cannot open the file"}.message()),
            "de.lng: cannot open the file");
}

TEST(LngTextSyntax, WritesPlainTextAsIsAndQuotesOnlyWhereNeeded) {
  EXPECT_EQ(language::LngTextSyntax(L"Change Lan&guage"), "Change Lan&guage");
  EXPECT_EQ(language::LngTextSyntax(L"C:\\a \"b\""), "C:\\a \"b\"");
  EXPECT_EQ(language::LngTextSyntax(L""), "");
  EXPECT_EQ(language::LngTextSyntax(L" x"), "\" x\"");
  EXPECT_EQ(language::LngTextSyntax(L"\"x\""), "\"\\\"x\\\"\"");
  EXPECT_EQ(language::LngTextSyntax(L"a\nb\\"), "\"a\\nb\\\\\"");
  EXPECT_EQ(language::LngTextSyntax(L"\u00E9"), "\xC3\xA9");
}

// Any table the parser accepts, written back entry by entry, reads back equal:
// random texts over the characters that matter to the syntax.
TEST(LngTextSyntax, RandomTextsSurviveTheRoundTrip) {
  const std::wstring_view alphabet[] = {L" ", L"\t", L"\n",     L"\"",     L"\\",
                                        L"=", L";",  L"#",      L"[",      L"]",
                                        L"a", L"0",  L"\u00E9", L"\uFEFF", L"\U0001D11E"};
  std::mt19937 random(20240611);
  for (int round = 0; round < 3000; ++round) {
    std::wstring text;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) text += alphabet[random() % std::size(alphabet)];
    SCOPED_TRACE(language::WideToUtf8(text));
    ASSERT_EQ(ThroughFile(text), text);
  }
}

TEST(Utf8, ConvertsEveryLengthAndItsLimits) {
  const std::wstring wide = L"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF";
  const std::string utf8 =
      "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(language::WideToUtf8(wide), utf8);
  EXPECT_EQ(language::Utf8ToWide(utf8), wide);
  EXPECT_EQ(language::FindInvalidUtf8(utf8), std::nullopt);
  EXPECT_EQ(language::FindInvalidUtf8("ab\xC3"), 2u);
  EXPECT_EQ(language::Utf8ToWide("ab\xC3"), std::nullopt);
  EXPECT_EQ(language::Utf8ToWide(""), std::wstring());
}

TEST(Utf8, CodeUnitsThatAreNoCharacterBecomeTheReplacement) {
  std::wstring lone_surrogate = L"a";
  lone_surrogate.push_back(static_cast<wchar_t>(0xD800));
  EXPECT_EQ(language::WideToUtf8(lone_surrogate), "a\xEF\xBF\xBD");
  if constexpr (sizeof(wchar_t) == 4) {
    const std::wstring too_large(1, static_cast<wchar_t>(0x110000));
    EXPECT_EQ(language::WideToUtf8(too_large), "\xEF\xBF\xBD");
  }
}

TEST(Utf8, CodePointsJoinPairsAndReplaceWhatIsNoCharacter) {
  std::wstring text = L"a";
  text += static_cast<wchar_t>(0xD83D);  // U+1F600 as a pair, whatever the width of wchar_t
  text += static_cast<wchar_t>(0xDE00);
  text += static_cast<wchar_t>(0xDC00);  // a low surrogate alone
  text += L'b';
  text += static_cast<wchar_t>(0xD800);  // a high surrogate at the end
  EXPECT_EQ(language::WideToCodePoints(text), U"a\U0001F600\uFFFDb\uFFFD");
  if constexpr (sizeof(wchar_t) == 4) {
    EXPECT_EQ(language::WideToCodePoints(std::wstring(1, static_cast<wchar_t>(0x110000))),
              U"\uFFFD");
  }
  EXPECT_EQ(language::WideToCodePoints(L""), U"");
}

// Random input built from the pieces of the syntax and from raw bytes: the
// parser must neither crash nor report a line the input does not have, and
// whatever it accepts must survive writing and reading back.
TEST(LngSyntax, RandomInputIsHandledSafely) {
  const std::string_view pieces[] = {
      "[table 1]",
      "[table 2]",
      "[language]",
      "[",
      "]",
      "name",
      "=",
      " ",
      "\t",
      "\"",
      "\\",
      "\\n",
      "\n",
      "\r\n",
      "\r",
      "0",
      "7",
      "2147483647",
      "99999999999",
      ";",
      "#",
      "x",
      "\xC3\xA9",
      "\xF0\x9D\x84\x9E",
      "\xEF\xBB\xBF",
  };
  for (unsigned seed = 1; seed <= 4000; ++seed) {
    std::mt19937 random(seed);
    std::string content;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) {
      if (seed % 4 == 0 || random() % 10 == 0) {
        content.push_back(static_cast<char>(random() % 256));
      } else {
        content += pieces[random() % std::size(pieces)];
      }
    }
    SCOPED_TRACE(testing::PrintToString(content));
    LngData data;
    const auto error = language::ParseLng(content, "r.lng", data);
    const int lines = 1 + static_cast<int>(std::count(content.begin(), content.end(), '\n'));
    if (error) {
      // Line 0: the file as a whole, which only a UTF-16 look earns.
      ASSERT_GE(error->line, error->reason.find("UTF-16") != std::string::npos ? 0 : 1);
      ASSERT_LE(error->line, lines);
      ASSERT_FALSE(error->reason.empty());
      continue;
    }
    std::string rewritten;
    if (data.name) rewritten += "[language]\nname = " + language::LngTextSyntax(*data.name) + "\n";
    for (const auto& [table, entries] : {std::pair{1, &data.table1}, std::pair{2, &data.table2}}) {
      rewritten += "[table " + std::to_string(table) + "]\n";
      for (const auto& [id, text] : *entries) {
        rewritten += std::to_string(id) + " = " + language::LngTextSyntax(text) + "\n";
      }
    }
    ASSERT_EQ(ParseOk(rewritten), data) << rewritten;
  }
}

}  // namespace
