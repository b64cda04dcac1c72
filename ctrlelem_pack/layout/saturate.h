// Arithmetic on foreign numbers: descriptions may give rectangles and sizes at
// the ends of the int range, so sums and differences are taken in 64 bits and
// a result past the int range stops at its ends.
#pragma once

#include <algorithm>
#include <climits>

namespace ctrlelem::layout {

[[nodiscard]] inline int Saturate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace ctrlelem::layout
