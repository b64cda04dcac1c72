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
