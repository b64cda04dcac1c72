// Costs of building and serving the descriptions, each beside a memcpy of the
// same bytes so the ratios can be read off one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "allocation_count.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "paired.h"

namespace {

// The registered description with the most bytes.
unsigned long LargestDescription() {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  unsigned long largest = 0;
  std::size_t largest_size = 0;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    const std::size_t size = ctrlelem::Lookup(id).data().size();
    if (size > largest_size) {
      largest = id;
      largest_size = size;
    }
  }
  return largest;
}

// Warm: the fonts, matches and string tables are cached after the first call.
void BM_InitPacketsLib(benchmark::State& state) {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  const bench::Allocations before = bench::AllocationsSoFar();
  for (auto _ : state) {
    ctrlelem::ResetRegistry();
    InitPacketsLib();
  }
  const bench::Allocations after = bench::AllocationsSoFar();
  const auto per_call = [&](std::size_t n) {
    return static_cast<double>(n) / static_cast<double>(state.iterations());
  };
  state.counters["descriptions"] = static_cast<double>(ctrlelem::RegisteredCount());
  state.counters["allocations"] = per_call(after.calls - before.calls);
  state.counters["bytes_allocated"] = per_call(after.bytes - before.bytes);
}
BENCHMARK(BM_InitPacketsLib)->Unit(benchmark::kMillisecond);

// Runs the cold-start helper once per sample and reports the CPU time it
// printed.
void RunColdHelper(benchmark::State& state, const char* command) {
  for (auto _ : state) {
    FILE* helper = popen(command, "r");
    long long nanoseconds = 0;
    const bool read = helper != nullptr && std::fscanf(helper, "%lld", &nanoseconds) == 1;
    if (helper != nullptr) pclose(helper);
    if (!read) {
      state.SkipWithError("the cold-start helper " CTRLELEM_COLD_INIT " printed no time");
      break;
    }
    state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
  }
}

// Cold: the first call in a fresh process, fontconfig's start included.
void BM_InitPacketsLibCold(benchmark::State& state) { RunColdHelper(state, CTRLELEM_COLD_INIT); }
BENCHMARK(BM_InitPacketsLibCold)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

#if !defined(_WIN32)
// The floor under the cold start: fontconfig's own start in a fresh process.
void BM_FontconfigCold(benchmark::State& state) {
  RunColdHelper(state, CTRLELEM_COLD_INIT " fontconfig");
}
BENCHMARK(BM_FontconfigCold)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
#endif

// GetPacketProc, data() and receive of the largest description, each against
// a memcpy of its bytes into a buffer that stays, in pairs (paired.h).
void BM_PairedLargest(benchmark::State& state) {
  const unsigned long id = LargestDescription();
  const __packet packet = GetPacketProc(id);
  const std::string bytes = packet.data();
  std::string target(bytes.size(), '\0');
  __packet received;
  const auto copy = [&] {
    std::memcpy(target.data(), bytes.data(), bytes.size());
    benchmark::ClobberMemory();
  };
  switch (state.range(0)) {
    case 0:
      bench::PairedRatio(
          state, [&] { benchmark::DoNotOptimize(GetPacketProc(id)); }, copy);
      break;
    case 1:
      bench::PairedRatio(
          state, [&] { benchmark::DoNotOptimize(packet.data()); }, copy);
      break;
    default:
      bench::PairedRatio(
          state,
          [&] {
            benchmark::DoNotOptimize(received.receive(
                reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
          },
          copy);
  }
}
// 0: GetPacketProc, 1: data(), 2: receive.
BENCHMARK(BM_PairedLargest)->DenseRange(0, 2);

}  // namespace
