// Runs the benchmarks, then prints the ratios that matter beside their
// references and targets, from the medians when --benchmark_repetitions is
// given (the mean of one run otherwise).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Seconds per iteration and the "bytes" counter of each benchmark, by name.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const std::string name = run.run_name.function_name;
      if (!median && medians_.count(name) != 0) continue;
      if (median) medians_.insert(name);
      // The cold starts are timed by hand: each sample is a fresh process,
      // and the time is what that process measured of itself.
      const bool manual = run.run_name.time_type == "manual_time";
      const double time = manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
      seconds_[name] = time / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const auto bytes = run.counters.find("bytes");
      if (bytes != run.counters.end()) bytes_[name] = bytes->second;
      const auto ratio = run.counters.find("ratio");
      if (ratio != run.counters.end()) ratios_[run.run_name.str()] = ratio->second;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const double* Seconds(const std::string& name) const { return Find(seconds_, name); }
  const double* Bytes(const std::string& name) const { return Find(bytes_, name); }
  // The paired ratio of a benchmark run by its whole name ("BM_X/1").
  const double* PairedRatio(const std::string& name) const { return Find(ratios_, name); }

 private:
  static const double* Find(const std::map<std::string, double>& map, const std::string& name) {
    const auto found = map.find(name);
    return found == map.end() ? nullptr : &found->second;
  }

  std::map<std::string, double> seconds_;
  std::map<std::string, double> bytes_;
  std::map<std::string, double> ratios_;
  std::set<std::string> medians_;
};

struct Ratio {
  const char* what;
  const char* measured;
  const char* reference;
  double target;  // the largest acceptable ratio
};

// measured / reference, each benchmark's time per iteration.
constexpr Ratio kRatios[] = {
    {"InitPacketsLib cold / warm", "BM_InitPacketsLibCold", "BM_InitPacketsLib", 0},
    {"InitPacketsLib cold / fontconfig's start alone", "BM_InitPacketsLibCold", "BM_FontconfigCold",
     0},
    {"JSON dump in-process / memcpy of its output", "BM_JsonDumpAll", "BM_JsonMemcpy", 0},
};

struct Paired {
  const char* what;
  const char* run;  // the benchmark run that measured it in pairs
  double target;
};

constexpr Paired kPaired[] = {
    {"GetPacketProc(1) / memcpy of its bytes", "BM_PairedLargest/0", 1.1},
    {"data() of id 1 / memcpy", "BM_PairedLargest/1", 1.2},
    {"receive of id 1 / memcpy", "BM_PairedLargest/2", 1.1},
    {"data() of the 26 KB packet / memcpy", "BM_PairedPacket/0", 1.5},
    {"receive of the 26 KB packet / memcpy", "BM_PairedPacket/1", 2.0},
};

struct Absolute {
  const char* what;
  const char* measured;
  double target_ms;  // 0: a reference, no target
};

constexpr Absolute kTimes[] = {
    {"InitPacketsLib warm", "BM_InitPacketsLib", 1.2},
    {"InitPacketsLib cold (fresh process)", "BM_InitPacketsLibCold", 5.0},
    {"  of which fontconfig's start alone", "BM_FontconfigCold", 0},
};

void PrintSummary(const RecordingReporter& results) {
  std::printf("\n%-46s %10s %10s\n", "ratio", "measured", "target");
  for (const Ratio& ratio : kRatios) {
    const double* a = results.Seconds(ratio.measured);
    const double* b = results.Seconds(ratio.reference);
    if (a == nullptr || b == nullptr || *b <= 0) continue;
    if (ratio.target > 0) {
      std::printf("%-46s %9.2fx %8s%.2f\n", ratio.what, *a / *b, "<= ", ratio.target);
    } else {
      std::printf("%-46s %9.2fx %10s\n", ratio.what, *a / *b, "-");
    }
  }
  for (const Paired& paired : kPaired) {
    if (const double* ratio = results.PairedRatio(paired.run)) {
      std::printf("%-46s %9.2fx %8s%.2f\n", paired.what, *ratio, "<= ", paired.target);
    }
  }
  for (const Absolute& time : kTimes) {
    const double* a = results.Seconds(time.measured);
    if (a == nullptr) continue;
    if (time.target_ms > 0) {
      std::printf("%-46s %8.2fms %7s%.1fms\n", time.what, *a * 1e3, "<= ", time.target_ms);
    } else {
      std::printf("%-46s %8.2fms %10s\n", time.what, *a * 1e3, "-");
    }
  }
  if (const double* json = results.Seconds("BM_JsonDumpAll")) {
    if (const double* bytes = results.Bytes("BM_JsonDumpAll")) {
      std::printf("%-46s %7.2fGB/s %7s\n", "JSON dump in-process", *bytes / *json / 1e9, ">= 1");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintSummary(reporter);
  return 0;
}
