// The bounds that every reader of foreign input keeps to, in one place: the
// depths of the packet reader, the schema readers and checker, and the dump,
// and the size of a language file.
// Bytes may nest without end; a walk stops at these depths instead of
// exhausting the stack.
#pragma once

#include <cstddef>

namespace language {

// Language files larger than this are refused rather than read: a language
// file is a few hundred kilobytes.
inline constexpr std::size_t kMaxLngFileSize = 64u << 20;

// Levels of nested packets a walk descends, the outermost packet counting as
// level 1. Deeper byte strings are left as bytes (the checker reports them).
inline constexpr int kMaxNestingDepth = 64;

// Submenu levels a menu reader descends by default, and at most whatever the
// caller asks.
inline constexpr int kMaxMenuDepth = 16;
inline constexpr int kMaxMenuDepthLimit = kMaxNestingDepth;

}  // namespace language
