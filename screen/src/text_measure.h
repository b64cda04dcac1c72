// Text widths from a real font where there is no GDI: fontconfig picks the font
// file for a face name and weight, FreeType lays out the advances.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "screen/screen.h"

namespace screen {

// The width of each text drawn in the font at `log_pixels_y` dots per inch: the
// sum of the hinted advances of its characters, without kerning, in whole
// pixels. The face is matched by fontconfig, so an unknown face measures with
// its substitute. When the match has another weight than asked (a family
// without a bold file), the widths are those of the matched font: no synthetic
// emboldening is applied. No font at all, or an empty text, gives 0. A text ends
// at its first NUL, like the C strings the Win32 backend measures.
// Thread-safe. Matches are remembered and fonts stay open for the rest of the
// process, so fonts installed later are not seen.
std::vector<int> MeasureWithFreeType(const FontRequest& font, int log_pixels_y,
                                     std::span<const std::wstring_view> texts);

// The line height of the font at `log_pixels_y`: the face's own ascent,
// descent and gap at that size, rounded up to whole pixels; 0 without a font.
int LineHeightWithFreeType(const FontRequest& font, int log_pixels_y);

}  // namespace screen
