// The bounds that every recursive walk of foreign bytes keeps to, in one
// place: the packet reader, the schema readers and checker, and the dump.
// Bytes may nest without end; a walk stops at these depths instead of
// exhausting the stack.
#pragma once

namespace language {

// Levels of nested packets a walk descends, the outermost packet counting as
// level 1. Deeper byte strings are left as bytes (the checker reports them).
inline constexpr int kMaxNestingDepth = 64;

// Submenu levels a menu reader descends by default, and at most whatever the
// caller asks.
inline constexpr int kMaxMenuDepth = 16;
inline constexpr int kMaxMenuDepthLimit = kMaxNestingDepth;

}  // namespace language
