// Text widths from the real font of the portable backend. The exact numbers
// depend on the installed fonts and FreeType, so these check relations that
// hold for any sane font, plus repeatability.
#if !defined(_WIN32)

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "screen/dejavu_widths.h"
#include "screen/profile.h"
#include "screen/screen.h"

namespace {

using screen::FontRequest;

class TextWidthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
    if (Width(L"WWW") == 0) GTEST_SKIP() << "no font available to fontconfig";
  }
  void TearDown() override { EXPECT_FALSE(screen::SetProfile(screen::Profile{})); }

  static int Width(std::wstring_view text, FontRequest font = {L"DejaVu Sans", 9, 400}) {
    const std::array<std::wstring_view, 1> texts{text};
    return screen::Current().TextWidths(font, texts).at(0);
  }
};

TEST_F(TextWidthTest, PlausibleForNineSmallPointsAt96Dpi) {
  // 12 pixels per em; sans-serif letters are roughly 0.35 to 0.75 em wide.
  const int width = Width(L"Hello, world");
  EXPECT_GE(width, 12 * 12 * 35 / 100);
  EXPECT_LE(width, 12 * 12 * 75 / 100);
}

TEST_F(TextWidthTest, GrowsWithGlyphsWeightSizeAndResolution) {
  const std::wstring_view sample = L"Sign in to your account";
  const int regular = Width(sample);
  EXPECT_GT(Width(L"WWW"), Width(L"iii"));
  EXPECT_GT(Width(sample, {L"DejaVu Sans", 9, 700}), regular);
  EXPECT_GT(Width(sample, {L"DejaVu Sans", 10, 400}), regular);
  screen::Profile profile;
  profile.dpi_x = profile.dpi_y = 120;
  EXPECT_FALSE(screen::SetProfile(profile));
  EXPECT_GT(Width(sample), regular);
}

TEST_F(TextWidthTest, EmptyTextIsZeroAndTextEndsAtNul) {
  EXPECT_EQ(Width(L""), 0);
  EXPECT_EQ(Width(std::wstring_view(L"ab\0cd", 5)), Width(L"ab"));
}

// A unit that is no character measures as U+FFFD
// and, where wchar_t holds code points, a surrogate pair as its character.
TEST_F(TextWidthTest, SurrogatesAndInvalidUnitsMeasureAsTheirCharacters) {
  const std::wstring replaced = {L'a', static_cast<wchar_t>(0xFFFD), L'b'};
  EXPECT_EQ(Width(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}), Width(replaced));
  if constexpr (sizeof(wchar_t) == 4) {
    const std::wstring pair = {L'a', static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(Width(pair), Width(std::wstring{L'a', static_cast<wchar_t>(0x1F600)}));
    EXPECT_EQ(Width(std::wstring{L'a', static_cast<wchar_t>(-1), L'b'}), Width(replaced));
  }
}

TEST_F(TextWidthTest, UnknownFaceMeasuresWithItsSubstitute) {
  EXPECT_GT(Width(L"Hello", {L"No Such Face 12345", 9, 400}), 0);
  EXPECT_GT(Width(L"Hello", {L"", 9, 400}), 0);
}

TEST_F(TextWidthTest, MeasuresEveryTextWithOneFontAndRepeatsExactly) {
  const std::array<std::wstring_view, 3> texts{L"OK", L"Cancel", L"Ω and ü"};
  const FontRequest font{L"DejaVu Sans", 8, 400};
  const std::vector<int> first = screen::Current().TextWidths(font, texts);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0], Width(L"OK", font));
  EXPECT_EQ(first[1], Width(L"Cancel", font));
  EXPECT_GT(first[2], 0);
  EXPECT_EQ(screen::Current().TextWidths(font, texts), first);
}

TEST_F(TextWidthTest, NonPositiveSizeMeasuresZero) {
  EXPECT_EQ(Width(L"Hello", {L"DejaVu Sans", 0, 400}), 0);
  EXPECT_EQ(Width(L"Hello", {L"DejaVu Sans", -9, 400}), 0);
}

// The record the Win32 backend is held to under Wine (tests/windows/).
TEST_F(TextWidthTest, DejaVuWidthsEqualTheSharedRecord) { screen_test::ExpectTheRecordedWidths(); }

}  // namespace

#endif  // !_WIN32
