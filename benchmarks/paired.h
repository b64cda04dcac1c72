// A ratio measured in pairs: the measured operation and its reference run in
// alternating batches, and the median of the per-batch ratios is reported as
// the counter "ratio". A machine whose speed drifts (other processes, clock
// changes) moves both halves of a pair alike, so the ratio stays put where
// two separately timed benchmarks would not. The counters "measured_ns" and
// "reference_ns" are the medians of each operation's own time; the
// benchmark's time covers a whole pair of batches.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

inline double Median(std::vector<double>& values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

template <class Measured, class Reference>
void PairedRatio(benchmark::State& state, Measured measured, Reference reference) {
  constexpr int kBatch = 32;  // operations per half: tens of microseconds
  using Clock = std::chrono::steady_clock;
  std::vector<double> ratios;
  std::vector<double> measures;
  std::vector<double> references;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBatch; ++i) measured();
    const Clock::time_point middle = Clock::now();
    for (int i = 0; i < kBatch; ++i) reference();
    const Clock::time_point end = Clock::now();
    const std::chrono::duration<double> measured_time = middle - start;
    const std::chrono::duration<double> reference_time = end - middle;
    measures.push_back(measured_time.count() / kBatch * 1e9);
    references.push_back(reference_time.count() / kBatch * 1e9);
    if (reference_time.count() > 0) ratios.push_back(measured_time / reference_time);
  }
  if (!ratios.empty()) state.counters["ratio"] = Median(ratios);
  if (!measures.empty()) state.counters["measured_ns"] = Median(measures);
  if (!references.empty()) state.counters["reference_ns"] = Median(references);
}

}  // namespace bench
