// A ratio measured in pairs: the measured operation and its reference run in
// alternating batches, and the median of the per-batch ratios is reported as
// the counter "ratio". A machine whose speed drifts (other processes, clock
// changes) moves both halves of a pair alike, so the ratio stays put where
// two separately timed benchmarks would not.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

template <class Measured, class Reference>
void PairedRatio(benchmark::State& state, Measured measured, Reference reference) {
  constexpr int kBatch = 32;  // operations per half: tens of microseconds
  using Clock = std::chrono::steady_clock;
  std::vector<double> ratios;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBatch; ++i) measured();
    const Clock::time_point middle = Clock::now();
    for (int i = 0; i < kBatch; ++i) reference();
    const Clock::time_point end = Clock::now();
    const auto reference_time = (end - middle).count();
    if (reference_time > 0) {
      ratios.push_back(static_cast<double>((middle - start).count()) /
                       static_cast<double>(reference_time));
    }
  }
  if (ratios.empty()) return;
  const auto median = ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() / 2);
  std::nth_element(ratios.begin(), median, ratios.end());
  state.counters["ratio"] = *median;
}

}  // namespace bench
