// Costs of building and serving the descriptions, each beside a memcpy of the
// same bytes so the ratios can be read off one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "frame/entry_points.h"
#include "frame/registry.h"

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

void BM_InitPacketsLib(benchmark::State& state) {
  for (auto _ : state) {
    ctrlelem::ResetRegistry();
    InitPacketsLib();
  }
  state.counters["descriptions"] = static_cast<double>(ctrlelem::RegisteredCount());
}
BENCHMARK(BM_InitPacketsLib)->Unit(benchmark::kMillisecond);

void BM_GetPacketProcLargest(benchmark::State& state) {
  const unsigned long id = LargestDescription();
  for (auto _ : state) benchmark::DoNotOptimize(GetPacketProc(id));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(GetPacketProc(id).data().size()));
  state.counters["id"] = static_cast<double>(id);
}
BENCHMARK(BM_GetPacketProcLargest);

void BM_DataLargest(benchmark::State& state) {
  const __packet packet = GetPacketProc(LargestDescription());
  for (auto _ : state) benchmark::DoNotOptimize(packet.data());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(packet.data().size()));
}
BENCHMARK(BM_DataLargest);

void BM_ReceiveLargest(benchmark::State& state) {
  const std::string bytes = GetPacketProc(LargestDescription()).data();
  __packet packet;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        packet.receive(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ReceiveLargest);

void BM_MemcpyLargest(benchmark::State& state) {
  const std::string bytes = GetPacketProc(LargestDescription()).data();
  std::string target(bytes.size(), '\0');
  for (auto _ : state) {
    std::memcpy(target.data(), bytes.data(), bytes.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_MemcpyLargest);

}  // namespace
