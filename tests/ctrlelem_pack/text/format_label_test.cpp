#include "text/format_label.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "language/diagnostics.h"

namespace {

using ctrlelem::FormatLabel;
using ctrlelem::LabelArg;

std::wstring Format(std::wstring_view pattern, std::vector<LabelArg> args = {}) {
  const std::optional<std::wstring> label = FormatLabel(pattern, args);
  EXPECT_TRUE(label.has_value()) << "pattern: " << std::string(pattern.begin(), pattern.end());
  return label.value_or(L"<failed>");
}

class FormatLabelTest : public ::testing::Test {
 protected:
  void SetUp() override { language::TakeDiagnostics(); }
  void TearDown() override { EXPECT_EQ(language::TakeDiagnostics(), expected_diagnostics_); }
  std::vector<std::string> expected_diagnostics_;
};

struct Row {
  const wchar_t* pattern;
  LabelArg arg;
  const wchar_t* expected;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(Format(row.pattern, {row.arg}), row.expected)
        << "pattern: " << std::wstring_view(row.pattern).size() << " chars, index "
        << (&row - rows.data());
  }
}

TEST_F(FormatLabelTest, PatternWithoutConversionsIsCopiedAndArgumentsIgnored) {
  EXPECT_EQ(Format(L"Connect", {L"ignored"}), L"Connect");
  EXPECT_EQ(Format(L""), L"");
  EXPECT_EQ(Format(L"100%% sure"), L"100% sure");
}

TEST_F(FormatLabelTest, Strings) {
  ExpectRows({
      {L"Hello %s!", L"Ann", L"Hello Ann!"},
      {L"[%6s]", L"Ann", L"[   Ann]"},
      {L"[%-6s]", L"Ann", L"[Ann   ]"},
      {L"[%06s]", L"Ann", L"[   Ann]"},  // zeros are for numbers
      {L"[%.2s]", L"Ann", L"[An]"},
      {L"[%5.2s]", L"Ann", L"[   An]"},
      {L"[%.0s]", L"Ann", L"[Ann]"},  // 0: no limit
      {L"[%.s]", L"Ann", L"[Ann]"},
      {L"[%2s]", L"Annabel", L"[Annabel]"},  // width never truncates
      {L"[%ls|%ws]", L"w", L"[w|]"},         // second has no argument: see Holes
      {L"[%hs]", "narrow", L"[narrow]"},
      {L"[%S]", "narrow", L"[narrow]"},
      {L"[%lS]", L"wide", L"[wide]"},
      {L"[%S]", "caf\xE9", L"[caf\u00E9]"},            // bytes taken as they are
      {L"[%s]", std::wstring(L"ab\0cd", 5), L"[ab]"},  // a string ends at its NUL
      {L"[%s]", static_cast<const wchar_t*>(nullptr), L"[(null)]"},
  });
  expected_diagnostics_ = {"label pattern '[%ls|%ws]': conversion '%ws' has no argument (1 given)"};
}

TEST_F(FormatLabelTest, Characters) {
  ExpectRows({
      {L"[%c]", L'x', L"[x]"},
      {L"[%3c]", 0x416, L"[  \u0416]"},
      {L"[%-3c]", 'y', L"[y  ]"},
      {L"[%C]", 0x1E9, L"[\u00E9]"},  // narrow: the low byte
      {L"[%lC]", 0x1E9, L"[\u01E9]"},
      {L"[%hc]", 0x141, L"[A]"},
      {L"[%c]", 0x10041, L"[A]"},  // WCHAR is 16 bits
      {L"[%c]", 0, L"[]"},         // a zero character is ignored
  });
}

TEST_F(FormatLabelTest, Numbers) {
  ExpectRows({
      {L"%d", 42, L"42"},
      {L"%i", -42, L"-42"},
      {L"[%5d]", -42, L"[  -42]"},
      {L"[%-5d]", -42, L"[-42  ]"},
      {L"[%05d]", -42, L"[-0042]"},  // zeros after the sign
      {L"%010ld", -1, L"-000000001"},
      {L"[%-05d]", 42, L"[42   ]"},  // left wins over zeros
      {L"[%.4d]", -42, L"[-0042]"},  // precision counts digits
      {L"[%6.3d]", 7, L"[   007]"},
      {L"[%.0d]", 0, L"[0]"},  // precision 0 is 1
      {L"%u", -1, L"4294967295"},
      {L"%d", 4294967295u, L"-1"},  // 32 bits unless I64
      {L"%d", std::int64_t{1} << 32, L"0"},
      {L"%I64d", std::int64_t{543210} * 1000000, L"543210000000"},
      {L"%I64u", std::int64_t{-123}, L"18446744073709551493"},
      {L"%I32x", std::int64_t{-0x12345}, L"fffedcbb"},
      {L"%I64X", std::int64_t{-0x12345}, L"FFFFFFFFFFFEDCBB"},
      {L"%hd", 65535, L"-1"},
      {L"%I64d", INT64_MIN, L"-9223372036854775808"},
  });
}

TEST_F(FormatLabelTest, Hexadecimal) {
  ExpectRows({
      {L"%x", 0xBEEF, L"beef"},
      {L"%X", 0xBEEF, L"BEEF"},
      {L"%#x", 0x1f, L"0x1f"},
      {L"%#X", 0x1f, L"0X1F"},
      {L"%#x", 0, L"0x0"},
      {L"[%#6x]", 0x1f, L"[  0x1f]"},  // the width counts the prefix
      {L"[%#06x]", 0x1f, L"[0x001f]"},
      {L"[%-#6x]", 0x1f, L"[0x1f  ]"},
      {L"[%#d]", 31, L"[31]"},  // # only prefixes hexadecimal
      {L"%x", -1, L"ffffffff"},
      {L"%.4x", 0xa, L"000a"},
  });
  EXPECT_EQ(Format(L"%p", {std::uint64_t{0x12345}}),
            sizeof(void*) == 8 ? L"0000000000012345" : L"00012345");
}

TEST_F(FormatLabelTest, SeveralArgumentsInOrder) {
  EXPECT_EQ(Format(L"%s (%s)", {L"Deutsch", L"de"}), L"Deutsch (de)");
  EXPECT_EQ(Format(L"%s has %d new message%s", {L"Ann", 3, L"s"}), L"Ann has 3 new messages");
}

TEST_F(FormatLabelTest, UnknownTypeCopiesTheCharacter) {
  EXPECT_EQ(Format(L"[%q]", {L"unused"}), L"[q]");
  EXPECT_EQ(Format(L"[%-5q]"), L"[q]");  // what was read of the conversion is dropped
  EXPECT_EQ(Format(L"[%5%]"), L"[%]");
  EXPECT_EQ(Format(L"[%0-5d]", {7}), L"[-5d]");       // flags out of order end it
  EXPECT_EQ(Format(L"[%*d]", {7}), L"[*d]");          // no * widths
  EXPECT_EQ(Format(L"50%"), L"50");                   // a % at the very end is dropped
  EXPECT_EQ(Format(L"%q%s", {L"first"}), L"qfirst");  // the argument is still there
}

TEST_F(FormatLabelTest, FloatingPointIsCopiedAsWrittenAndReported) {
  EXPECT_EQ(Format(L"%s: %5.2f%% %e %G", {L"load"}), L"load: %5.2f% %e %G");
  expected_diagnostics_ = {
      "label pattern '%s: %5.2f%% %e %G': floating-point conversion '%5.2f' is not supported and "
      "was copied as written",
      "label pattern '%s: %5.2f%% %e %G': floating-point conversion '%e' is not supported and "
      "was copied as written",
      "label pattern '%s: %5.2f%% %e %G': floating-point conversion '%G' is not supported and "
      "was copied as written",
  };
}

TEST_F(FormatLabelTest, HolesFormatAsTheEmptyTextAndAreReported) {
  EXPECT_EQ(Format(L"[%s] [%5d]", {}), L"[] []");
  EXPECT_EQ(Format(L"[%s] [%d] [%S] [%c]", {42, L"text", L"wide", "narrow"}), L"[] [] [] []");
  expected_diagnostics_ = {
      "label pattern '[%s] [%5d]': conversion '%s' has no argument (0 given)",
      "label pattern '[%s] [%5d]': conversion '%5d' has no argument (0 given)",
      "label pattern '[%s] [%d] [%S] [%c]': conversion '%s' reads a wide string but argument 1 "
      "is a number",
      "label pattern '[%s] [%d] [%S] [%c]': conversion '%d' reads a number but argument 2 is a "
      "wide string",
      "label pattern '[%s] [%d] [%S] [%c]': conversion '%S' reads a narrow string but argument 3 "
      "is a wide string",
      "label pattern '[%s] [%d] [%S] [%c]': conversion '%c' reads a number but argument 4 is a "
      "narrow string",
  };
}

// A translated pattern of many conversions without arguments: each report
// quotes only the start of the pattern, and reports past the cap cost
// nothing, so the time is linear in the pattern (quoting it whole made this
// pattern take hours; ctest's timeout catches a relapse).
TEST_F(FormatLabelTest, ReportsOnALongPatternAreShortAndCapped) {
  EXPECT_FALSE(FormatLabel(L"%" + std::wstring(50, L'1') + L"d", {1}));
  const std::string field = "%" + std::string(39, '1') + "... (52 characters)";
  EXPECT_EQ(language::TakeDiagnostics(),
            std::vector<std::string>{"label pattern '" + field + "': field of '" + field +
                                     "' is wider than 65536 characters"});

  constexpr std::size_t kConversions = 300'000;
  std::wstring pattern;
  for (std::size_t i = 0; i < kConversions; ++i) pattern += L"%s";
  EXPECT_EQ(Format(pattern), L"");
  std::string start;
  for (int i = 0; i < 20; ++i) start += "%s";
  expected_diagnostics_.assign(language::kMaxDiagnostics,
                               "label pattern '" + start +
                                   "... (600000 characters)': conversion '%s' has no argument "
                                   "(0 given)");
  expected_diagnostics_.push_back(std::to_string(kConversions - language::kMaxDiagnostics) +
                                  " further diagnostics dropped");
}

TEST_F(FormatLabelTest, LongResultsAreNeverCutShort) {
  const std::wstring long_arg(3000, L'a');
  const std::wstring result = Format(L"<%s>", {long_arg});
  EXPECT_EQ(result, L"<" + long_arg + L">");
  EXPECT_EQ(Format(L"%1500d|%s", {7, std::wstring(1000, L'b')}),
            std::wstring(1499, L' ') + L"7|" + std::wstring(1000, L'b'));
  const std::wstring long_pattern(5000, L'p');
  EXPECT_EQ(Format(long_pattern), long_pattern);
}

TEST_F(FormatLabelTest, ResultHoldsNoNul) {
  EXPECT_EQ(Format(std::wstring_view(L"one\0two", 7)), L"one");  // the pattern ends at NUL
}

TEST_F(FormatLabelTest, AbsurdFieldFailsAndOneArgumentLabelsAreThenEmpty) {
  EXPECT_EQ(FormatLabel(L"%99999999999999999999d", {1}), std::nullopt);
  EXPECT_EQ(ctrlelem::FormatWithOneArgument(L"%.65537s", L"x"), L"");
  EXPECT_EQ(Format(L"%65536d", {1}).size(), 65536u);
  expected_diagnostics_ = {
      "label pattern '%99999999999999999999d': field of '%99999999999999999999d' is wider than "
      "65536 characters",
      "label pattern '%.65537s': field of '%.65537s' is wider than 65536 characters",
  };
}

}  // namespace
