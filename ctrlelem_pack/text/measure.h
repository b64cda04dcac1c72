// Widths of localised strings, measured once while the descriptions are built
// and written into them as plain pixels (never multiplied by the display
// scale).
//
// The font is made for the measurement: face string 20 of table 1, the given
// size and weight; the strings are strings of table 1. A string or font that
// cannot be had measures 0.
#pragma once

#include <utility>

namespace ctrlelem {

inline constexpr int kFontNormal = 400;
inline constexpr int kFontBold = 700;

// Measured widths are pinned to +-kMaxMeasuredWidth pixels: far wider than any
// screen, and small enough that the builders' sums of a few widths, metrics
// and constants stay inside int whatever text a language file holds.
inline constexpr int kMaxMeasuredWidth = 1 << 24;

// The face name string of the measuring font (table 1).
inline constexpr int kMeasuringFaceString = 20;

// The width in pixels of string `string_id` of table 1.
int MeasureStringWidth(int string_id, int point_size, int weight);

// The widths of two strings of table 1 measured with one font, in the order
// given.
std::pair<int, int> MeasureStringWidths(int first_id, int second_id, int point_size, int weight);

}  // namespace ctrlelem
