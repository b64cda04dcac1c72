// SIZE and RECT, the geometry types of packet values. On Windows they are the
// platform's own; elsewhere they are defined here with the same members, all
// signed 32-bit.
#pragma once

#if defined(_WIN32)
#include <windows.h>
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
