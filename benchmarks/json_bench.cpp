// The tool's JSON dump of every description, written in-process to memory,
// beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <streambuf>
#include <vector>

#include "dump.h"
#include "frame/entry_points.h"
#include "frame/registry.h"

namespace {

// An output buffer that keeps its memory between iterations, so the benchmark
// measures the writer rather than the growth of a string stream.
class MemorySink : public std::streambuf {
 public:
  void Rewind() { used_ = 0; }
  std::size_t size() const { return used_; }
  const char* data() const { return bytes_.data(); }

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    const auto count = static_cast<std::size_t>(n);
    if (used_ + count > bytes_.size()) bytes_.resize(2 * (used_ + count));
    std::memcpy(bytes_.data() + used_, s, count);
    used_ += count;
    return n;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
  }

 private:
  std::vector<char> bytes_;
  std::size_t used_ = 0;
};

std::vector<ctrlelem_tool::Described> AllDescriptions() {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  std::vector<ctrlelem_tool::Described> all;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    all.push_back({id, ctrlelem::Lookup(id)});
  }
  return all;
}

std::size_t WriteAll(const std::vector<ctrlelem_tool::Described>& all, MemorySink& sink) {
  sink.Rewind();
  std::ostream out(&sink);
  ctrlelem_tool::JsonDump dump(out);
  for (const ctrlelem_tool::Described& d : all) dump.Add(d);
  dump.Finish();
  return sink.size();
}

void BM_JsonDumpAll(benchmark::State& state) {
  const auto all = AllDescriptions();
  MemorySink sink;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = WriteAll(all, sink);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_JsonDumpAll)->Unit(benchmark::kMillisecond);

// The floor: copying the document's bytes into a buffer of the same size.
void BM_JsonMemcpy(benchmark::State& state) {
  MemorySink sink;
  WriteAll(AllDescriptions(), sink);
  const std::vector<char> document(sink.data(), sink.data() + sink.size());
  std::vector<char> target(document.size());
  for (auto _ : state) {
    std::memcpy(target.data(), document.data(), document.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_JsonMemcpy)->Unit(benchmark::kMillisecond);

}  // namespace
