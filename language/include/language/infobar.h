// The parser of information-bar texts.
//
// Markup: plain text, with links written as [[TARGET|TEXT]]. TARGET is one or
// more characters other than '|', '[' and ']'; TEXT is one or more characters
// not containing "]]". Anything that is not a complete link (a lone "[[", an
// empty target or text, a missing "]]") is plain text, kept as written.
//
// Layout: each call appends one text packet (made without a kind) to the target,
// under the key one above the target's highest key (key 1 for an empty target).
// The text packet holds its runs under keys 1, 2, ... in order; each run is a
// packet without kind:
//   key 1  unsigned  run type: 0 plain text, 1 link
//   key 2  wstring   the run's text
//   key 3  wstring   the link's target (links only)
// Adjacent plain characters form one run; the empty text gives a text packet
// without runs.
#pragma once

#include <string>

#include "language/export.h"
#include "language/packet.h"

LANGUAGE_API void ParseInformationBarText(__packet* target, std::wstring text);

namespace language {
// Run types of a parsed information-bar text.
inline constexpr unsigned kInfoRunPlain = 0;
inline constexpr unsigned kInfoRunLink = 1;
// Keys of a run packet.
inline constexpr int kInfoRunKeyType = 1;
inline constexpr int kInfoRunKeyText = 2;
inline constexpr int kInfoRunKeyTarget = 3;
}  // namespace language
