// UTF-8 forms of wide text, for messages, file names and printed output.
//
// wchar_t holds UTF-16 units on Windows and code points elsewhere; a surrogate
// pair is read as one character either way.
#pragma once

#include <string>
#include <string_view>

#include "language/export.h"

namespace language {

// What becomes of a surrogate without its partner.
enum class UnpairedSurrogates {
  replace,  // U+FFFD: the result is well-formed UTF-8
  keep,     // its own three-byte sequence (generalised UTF-8), so nothing is lost
};

// The text as UTF-8. Values above U+10FFFF become U+FFFD.
[[nodiscard]] LANGUAGE_API std::string WideToUtf8(
    std::wstring_view text, UnpairedSurrogates unpaired = UnpairedSurrogates::replace);

// The code points of the text, a surrogate pair read as one. Unpaired
// surrogates and values above U+10FFFF become U+FFFD.
[[nodiscard]] LANGUAGE_API std::u32string WideToCodePoints(std::wstring_view text);

}  // namespace language
