// Labels formatted from a localised pattern and its arguments, with the
// conversions of the Win32 wvsprintfW function, so translators' patterns mean
// what they have always meant:
//
//   %[-][#][0][width][.precision][size]type
//
//   -          left-align in the field (the 0 flag is then ignored)
//   #          prefix x and X conversions with 0x / 0X
//   0          pad numbers with zeros after the sign or prefix (strings and
//              characters are always padded with spaces)
//   width      the least number of characters of the whole field (sign and
//              prefix included); never truncates
//   .precision numbers: the least number of digits (0 or no number means 1);
//              strings: the most characters copied (0 or no number: all)
//   size       h (16-bit numbers, narrow c/s), l or w (32-bit numbers, wide
//              c/s/C/S), I32, I64, I (pointer-sized)
//   type       s (wide string; hs narrow), S (narrow string; lS, wS wide),
//              c (wide character; hc narrow), C (narrow character; lC, wC wide),
//              d i (signed), u (unsigned), x X (hexadecimal), p (pointer-sized
//              hexadecimal, upper case, zero-padded to its full width)
//
// The fields must come in that order, each at most once. A character where the
// type belongs that is no type ends the conversion: what was read of it is
// dropped and the character itself is copied (so %% gives %, and %5q gives q),
// as wvsprintfW does; a % at the very end of the pattern is dropped. No * width.
//
// Differences from wvsprintfW, all deliberate:
// - The result is never cut short (wvsprintfW stops at 1024 characters).
// - Floating-point conversions (e E f g G) are not supported: the conversion
//   is copied as written ("%.2f" stays "%.2f"), reads no argument, and is
//   reported through the diagnostics channel.
// - A conversion without an argument left, or whose argument is of another
//   sort (a number for %s, a narrow string for a wide conversion), formats as
//   the empty text and is reported; it never reads past the arguments.
// - A field width or precision above kMaxFieldWidth fails the formatting (it
//   could only come from a broken pattern, and would ask for gigabytes).
//
// Narrow strings and characters are taken byte for byte (each byte becomes the
// wide character of the same value), where Windows would use the ANSI code
// page. The pattern and every string argument end at their first NUL, like the
// C strings wvsprintfW reads, so the result holds no NUL and reading it as a
// NUL-terminated string gives all of it. A zero character argument formats as
// the empty text.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace ctrlelem {

// One argument of a label: a wide string, a narrow string or an integer. Null
// string pointers stand for the text "(null)", as in wvsprintfW.
struct LabelArg {
  std::variant<std::wstring, std::string, std::int64_t, std::uint64_t> value;

  LabelArg(std::wstring text) : value(std::move(text)) {}
  LabelArg(std::wstring_view text) : value(std::wstring(text)) {}
  LabelArg(const wchar_t* text) : value(std::wstring(text != nullptr ? text : L"(null)")) {}
  LabelArg(std::string text) : value(std::move(text)) {}
  LabelArg(std::string_view text) : value(std::string(text)) {}
  LabelArg(const char* text) : value(std::string(text != nullptr ? text : "(null)")) {}
  template <std::signed_integral T>
  LabelArg(T number) : value(static_cast<std::int64_t>(number)) {}
  template <std::unsigned_integral T>
  requires(!std::same_as<T, bool>) LabelArg(T number) : value(static_cast<std::uint64_t>(number)) {}
};

// Widths and precisions beyond this fail the formatting.
inline constexpr std::size_t kMaxFieldWidth = 65536;

// The pattern formatted with the arguments, or nothing when the room for the
// result cannot be had (or a field asks for more than kMaxFieldWidth).
// Arguments beyond the pattern's conversions are ignored. What went wrong in a
// pattern that still formats is reported through the diagnostics channel.
std::optional<std::wstring> FormatLabel(std::wstring_view pattern, std::span<const LabelArg> args);
inline std::optional<std::wstring> FormatLabel(std::wstring_view pattern,
                                               std::initializer_list<LabelArg> args) {
  return FormatLabel(pattern, std::span<const LabelArg>(args.begin(), args.size()));
}

// A label's text: the pattern formatted with its one argument, or the empty
// text when it cannot be formatted (never an earlier label's text).
std::wstring FormatWithOneArgument(std::wstring_view pattern, const LabelArg& argument);

}  // namespace ctrlelem
