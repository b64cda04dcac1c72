// SIZE and RECT, the geometry types of packet values. On Windows they are the
// platform's own; elsewhere they are defined here with the same members, all
// signed 32-bit.
#pragma once

#if defined(_WIN32)
// Only the header that declares the two types, not all of <windows.h>. It
// defines function-like min and max macros, which would rewrite every
// includer's std::min and std::max; they are put back as the includer had them.
// (It also defines near and far as empty: the library uses neither name.)
#pragma push_macro("min")
#pragma push_macro("max")
#include <windef.h>
#pragma pop_macro("max")
#pragma pop_macro("min")
#else
#include <cstdint>

struct SIZE {
  std::int32_t cx;
  std::int32_t cy;
};

struct RECT {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};
#endif

inline bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
