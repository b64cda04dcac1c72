// Conversions between UTF-8 byte strings and wide strings.
//
// wchar_t holds UTF-32 on Linux and UTF-16 on Windows; the conversions cover
// both. Only well-formed Unicode is accepted from UTF-8: overlong forms,
// surrogate code points and values above U+10FFFF are errors.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "language/utf8.h"

namespace language {

// UTF-16 surrogates: a code point above U+FFFF travels as a high unit
// (D800-DBFF) followed by a low one (DC00-DFFF).
constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
constexpr bool IsSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
constexpr char32_t CombineSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}
struct SurrogatePair {
  char16_t high;
  char16_t low;
};
// The pair of a code point from U+10000 to U+10FFFF.
constexpr SurrogatePair SplitIntoSurrogates(char32_t code_point) {
  return {static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10)),
          static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF))};
}

// Where the first malformed sequence of `bytes` starts, or nothing when the
// bytes are well-formed UTF-8.
std::optional<std::size_t> FindInvalidUtf8(std::string_view bytes);

// The wide string of well-formed UTF-8 bytes; nothing when they are malformed.
std::optional<std::wstring> Utf8ToWide(std::string_view bytes);

// Paths cross the library's interface as UTF-8 byte strings (on Linux simply the
// bytes of the name). These turn them into filesystem paths and back.
std::filesystem::path PathFromUtf8(const std::string& path);
// The path as a wide string; nothing when its name is not valid Unicode.
std::optional<std::wstring> PathToWide(const std::filesystem::path& path);

}  // namespace language
