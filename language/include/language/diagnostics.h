// The diagnostics channel of the packet library and its users.
//
// Libraries never write to stderr: they report here, and the program that
// hosts them decides what to show (the ctrlelem tool prints them).
#pragma once

#include <string>
#include <vector>

#include "language/export.h"

namespace language {

// Records one message. Thread-safe. At most kMaxDiagnostics messages are kept
// until taken; later ones are counted and summarised in one last message.
LANGUAGE_API void ReportDiagnostic(std::string message);

// Hands over the recorded messages in the order reported and forgets them.
LANGUAGE_API std::vector<std::string> TakeDiagnostics();

inline constexpr std::size_t kMaxDiagnostics = 1000;

}  // namespace language
