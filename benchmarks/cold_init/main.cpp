// Prints the CPU time, in nanoseconds, of the first InitPacketsLib of a fresh
// process: nothing is cached yet (fonts, matches, string tables).
#include <cstdio>
#include <ctime>

#include "frame/entry_points.h"

namespace {

long long ProcessCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

int main() {
  const long long start = ProcessCpuNanoseconds();
  InitPacketsLib();
  const long long cold = ProcessCpuNanoseconds() - start;
  std::printf("%lld\n", cold);
  return 0;
}
