// Prints the CPU time, in nanoseconds, of the first InitPacketsLib of a fresh
// process: nothing is cached yet (fonts, matches, string tables). Given the
// argument "fontconfig", it times only fontconfig's start (reading its
// configuration and font caches), the part of a cold start that belongs to
// the platform rather than to the library.
#include <cstdio>
#include <cstring>
#include <ctime>

#if !defined(_WIN32)
#include <fontconfig/fontconfig.h>
#endif

#include "frame/entry_points.h"

namespace {

long long ProcessCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

int main(int argc, char** argv) {
  const bool fontconfig_only = argc > 1 && std::strcmp(argv[1], "fontconfig") == 0;
  const long long start = ProcessCpuNanoseconds();
  if (fontconfig_only) {
#if !defined(_WIN32)
    if (FcInit() == FcFalse) return 1;
#else
    return 1;
#endif
  } else {
    InitPacketsLib();
  }
  std::printf("%lld\n", ProcessCpuNanoseconds() - start);
  return 0;
}
