// Widths of sample texts in DejaVu Sans (Debian's fonts-dejavu-core), at the
// sizes, weights and resolutions the descriptions measure with and around
// them. The portable backend measures them with FreeType; the Win32 backend
// measures the same font files through GDI (Wine reads them from the system),
// so both must give these numbers: two independent measurements held to one
// record.
#pragma once

#include <array>

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
    // GENERATED ROWS
};

}  // namespace screen_test
