// Serialising and parsing a window-sized packet, beside a plain copy of the
// same number of bytes so the ratios can be read off.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "language/packet.h"
#include "paired.h"

namespace {

// A children container of 50 children, each a packet of 10 values of every
// type, with a hint record and a picture list nested as byte strings; about
// 26 KB serialised, the size of the larger window descriptions.
__packet LargePacket() {
  __packet container;
  for (unsigned i = 1; i <= 50; ++i) {
    __packet hint(5);
    hint << __val(1, i)
         << __val(
                2,
                L"Tooltip text of the child element, long enough to wrap over two lines of a hint")
         << __val(3, 0x00FFFFE1u) << __val(4, 0u) << __val(5, std::wstring(L"")) << __val(6, 1u);
    __packet pictures;
    for (unsigned state = 1; state <= 4; ++state) pictures << __val(state, 1000u + state);
    __packet child(3);
    child << __val(1, 100u + i) << __val(2, 0x6u) << __val(3, RECT{10, 20, 73, 23})
          << __val(4, SIZE{73, 23})
          << __val(5, L"Caption of the child element, as long as a translated label")
          << __val(6, hint.data()) << __val(7, pictures.data()) << __val(8, 0x00C0C0C0u)
          << __val(9, std::string()) << __val(10, 0);
    container << __val(static_cast<int>(i), child.data());
  }
  return container;
}

// data() and receive of the packet, each against a memcpy of its bytes into a
// fresh buffer, in pairs (paired.h).
void BM_PairedPacket(benchmark::State& state) {
  const __packet packet = LargePacket();
  const std::string data = packet.data();
  __packet received;
  const auto copy = [&] {
    std::string target(data.size(), '\0');
    std::memcpy(target.data(), data.data(), data.size());
    benchmark::DoNotOptimize(target);
  };
  if (state.range(0) == 0) {
    bench::PairedRatio(
        state, [&] { benchmark::DoNotOptimize(packet.data()); }, copy);
  } else {
    bench::PairedRatio(
        state,
        [&] {
          benchmark::DoNotOptimize(
              received.receive(reinterpret_cast<const unsigned char*>(data.data()), data.size()));
        },
        copy);
  }
}
// 0: data(), 1: receive.
BENCHMARK(BM_PairedPacket)->DenseRange(0, 1);

// A million values under keys in no particular order (an odd multiplier is a
// bijection of 32-bit numbers), so no shortcut for ascending keys applies.
constexpr unsigned kManyValues = 1000000;
int ScatteredKey(unsigned i) { return static_cast<int>(i * 2654435761u); }

__packet ManyValues() {
  __packet packet(1);
  for (unsigned i = 0; i < kManyValues; ++i) packet << __val(ScatteredKey(i), i);
  return packet;
}

void BM_PacketAddMillion(benchmark::State& state) {
  for (auto _ : state) {
    __packet packet = ManyValues();
    benchmark::DoNotOptimize(packet);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kManyValues);
}
BENCHMARK(BM_PacketAddMillion)->Unit(benchmark::kMillisecond);

void BM_PacketSetMillion(benchmark::State& state) {
  __packet packet = ManyValues();
  for (auto _ : state) {
    for (unsigned i = 0; i < kManyValues; ++i) packet < __val(ScatteredKey(i), i + 1);
    benchmark::DoNotOptimize(packet);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kManyValues);
}
BENCHMARK(BM_PacketSetMillion)->Unit(benchmark::kMillisecond);

void BM_PacketFindMillion(benchmark::State& state) {
  const __packet packet = ManyValues();
  for (auto _ : state) {
    std::size_t found = 0;
    for (unsigned i = 0; i < kManyValues; ++i) found += packet.find(ScatteredKey(i)) != nullptr;
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kManyValues);
}
BENCHMARK(BM_PacketFindMillion)->Unit(benchmark::kMillisecond);

}  // namespace
