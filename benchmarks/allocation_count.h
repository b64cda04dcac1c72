// Counts the calls of the global operator new in the benchmark program (the
// libraries' allocations included), so a benchmark can report what one
// operation allocates.
#pragma once

#include <cstddef>

namespace bench {

struct Allocations {
  std::size_t calls = 0;
  std::size_t bytes = 0;
};

// The totals since the program started.
Allocations AllocationsSoFar();

}  // namespace bench
