// The diagnostics channel of the packet library and its users.
//
// Libraries never write to stderr: they report here, and the program that
// hosts them decides what to show (the ctrlelem tool prints them).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "language/export.h"

namespace language {

// Records one message. Thread-safe. At most kMaxDiagnostics messages are kept
// until taken; later ones are counted and summarised in one last message.
LANGUAGE_API void ReportDiagnostic(std::string message);

// Hands over the recorded messages in the order reported and forgets them.
LANGUAGE_API std::vector<std::string> TakeDiagnostics();

inline constexpr std::size_t kMaxDiagnostics = 1000;

// For reports whose message is costly to build: when kMaxDiagnostics messages
// are already waiting, counts one dropped report and returns true, so the
// caller builds nothing. Past the cap a report then costs a lock and a count.
[[nodiscard]] LANGUAGE_API bool DropDiagnosticIfFull();

// Quoting foreign text in a message: the text itself when it is at most
// kExcerptLength bytes (UTF-8) or wide characters, else about that much of its
// start followed by "... (N bytes)" or "... (N characters)", so a message
// stays short and costs the same whatever the length of the input.
inline constexpr std::size_t kExcerptLength = 40;
[[nodiscard]] LANGUAGE_API std::string Excerpt(std::string_view utf8);
[[nodiscard]] LANGUAGE_API std::string Excerpt(std::wstring_view text);

}  // namespace language
