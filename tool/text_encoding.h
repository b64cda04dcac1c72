// Wide text as the tool prints it.
#pragma once

#include <string>
#include <string_view>

namespace ctrlelem_tool {

// The text as UTF-8, except that a surrogate code unit without its partner is
// kept as its own three-byte sequence (the generalised UTF-8 that round-trips
// every UTF-16 string). Wide characters are UTF-16 units where wchar_t is 16
// bits and code points where it is 32 bits; a value above U+10FFFF becomes
// U+FFFD.
std::string WideToWtf8(std::wstring_view text);

// A double-quoted JSON string literal of generalised UTF-8 text: control
// characters (C0, DEL, C1), '"' and '\' escaped; a lone surrogate written as
// \uXXXX; every other character as UTF-8.
std::string QuoteJson(std::string_view wtf8);

// Text as every human-readable output prints it: the same escapes for what is
// not printable (\n, \t, \u001b, \u009b...), quotes and backslashes as they
// are. A text cannot move the cursor, erase lines or talk to the terminal.
std::string Printable(std::string_view wtf8);
std::string Printable(std::wstring_view text);

}  // namespace ctrlelem_tool
