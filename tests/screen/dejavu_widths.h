// Widths of sample texts in DejaVu Sans (Debian's fonts-dejavu-core), at the
// sizes, weights and resolutions the descriptions measure with and around
// them. The portable backend measures them with FreeType; the Win32 backend
// measures the same font files through GDI (Wine reads them from the system),
// so both must give these numbers: two independent measurements held to one
// record.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "screen/profile.h"
#include "screen/screen.h"

namespace screen_test {

inline constexpr const wchar_t* kWidthFace = L"DejaVu Sans";

inline constexpr std::array<const wchar_t*, 12> kWidthTexts{
    L"OK",
    L"Cancel",
    L"Sign in automatically",
    L"Wembrix Video Chat",
    L"iiiiiiii",
    L"WWWWMMMM",
    L"0123456789",
    L"Gr\u00f6\u00dfe \u00e4ndern: \u00dcbernehmen",
    L"\u041d\u0430\u0441\u0442\u0440\u043e\u0439\u043a\u0438 \u0441\u0432\u044f\u0437\u0438",
    L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",
    L"(a+b)*[c/d] {e|f} <g>",
    L"Hello, world! 100% & more...",
};

struct WidthRow {
  int point_size;
  int weight;
  int dpi;
  std::array<int, kWidthTexts.size()> widths;  // one per text, in order
};

inline constexpr WidthRow kWidthRows[] = {
    {8, 400, 96, {16, 38, 118, 117, 24, 80, 70, 160, 98, 51, 124, 165}},
    {8, 700, 96, {18, 41, 132, 126, 32, 92, 80, 170, 107, 58, 135, 180}},
    {9, 400, 96, {17, 40, 127, 123, 24, 88, 80, 170, 107, 56, 137, 174}},
    {9, 700, 96, {19, 45, 145, 139, 32, 100, 80, 192, 115, 63, 145, 194}},
    {10, 400, 96, {19, 44, 138, 134, 32, 96, 80, 180, 115, 60, 144, 187}},
    {10, 700, 96, {21, 49, 153, 149, 32, 108, 90, 204, 127, 66, 161, 212}},
    {12, 400, 96, {24, 54, 166, 164, 32, 120, 100, 226, 142, 72, 176, 230}},
    {12, 700, 96, {26, 59, 189, 184, 40, 136, 110, 251, 152, 81, 192, 260}},
    {8, 400, 120, {19, 44, 138, 134, 32, 96, 80, 180, 115, 60, 144, 187}},
    {8, 700, 120, {21, 49, 153, 149, 32, 108, 90, 204, 127, 66, 161, 212}},
    {9, 400, 120, {22, 50, 160, 155, 32, 112, 100, 213, 134, 69, 172, 219}},
    {9, 700, 120, {25, 56, 179, 173, 40, 128, 100, 235, 148, 78, 186, 242}},
    {10, 400, 120, {24, 57, 180, 175, 40, 128, 110, 237, 149, 79, 191, 243}},
    {10, 700, 120, {27, 63, 202, 196, 48, 144, 120, 268, 165, 89, 207, 278}},
    {12, 400, 120, {29, 68, 213, 206, 48, 148, 130, 281, 178, 93, 226, 287}},
    {12, 700, 120, {33, 76, 241, 232, 56, 168, 140, 315, 196, 104, 244, 329}},
    {8, 400, 144, {24, 54, 166, 164, 32, 120, 100, 226, 142, 72, 176, 230}},
    {8, 700, 144, {26, 59, 189, 184, 40, 136, 110, 251, 152, 81, 192, 260}},
    {9, 400, 144, {26, 61, 189, 185, 40, 136, 110, 249, 162, 83, 199, 261}},
    {9, 700, 144, {29, 67, 215, 207, 48, 152, 130, 283, 174, 91, 220, 293}},
    {10, 400, 144, {29, 68, 213, 206, 48, 148, 130, 281, 178, 93, 226, 287}},
    {10, 700, 144, {33, 76, 241, 232, 56, 168, 140, 315, 196, 104, 244, 329}},
    {12, 400, 144, {35, 82, 254, 248, 56, 180, 150, 339, 215, 109, 266, 353}},
    {12, 700, 144, {39, 89, 282, 273, 64, 200, 170, 374, 230, 121, 292, 387}},
};

// Measures every text at each row's size, weight and resolution with the
// current backend and expects the recorded widths. The resolution is stated
// as --dpi states it, so either backend uses it.
inline void ExpectTheRecordedWidths() {
  const std::vector<std::wstring_view> texts(kWidthTexts.begin(), kWidthTexts.end());
  for (const WidthRow& row : kWidthRows) {
    screen::Profile profile;
    ASSERT_FALSE(screen::ParseDpi(std::to_string(row.dpi), profile));
    EXPECT_FALSE(screen::SetProfile(profile));
    const screen::FontRequest font{kWidthFace, row.point_size, row.weight};
    const std::vector<int> widths = screen::Current().TextWidths(font, texts);
    ASSERT_EQ(widths.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(widths[i], row.widths[i])
          << "text " << i << " at " << row.point_size << " pt, weight " << row.weight << ", "
          << row.dpi << " dpi";
    }
  }
}

}  // namespace screen_test
