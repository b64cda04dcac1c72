// The layout model as hosts and the tool run it, with the screen layer's
// measurer (its measurements cached after the first pass): every description
// at its initial size, the main window through a run of sizes as a window
// being dragged larger, and the JSON the C interface hands out.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ctrlelem_pack/layout.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "layout/layout_json.h"
#include "layout/screen_measurer.h"

namespace {

namespace layout = ctrlelem::layout;

struct Described {
  std::uint32_t id;
  __packet packet;
};

std::vector<Described> Descriptions() {
  ctrlelem::ResetRegistry();
  InitPacketsLib();
  std::vector<Described> all;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    all.push_back({static_cast<std::uint32_t>(id), ctrlelem::Lookup(id)});
  }
  return all;
}

layout::Layout LayOutOne(const Described& description, int width, int height,
                         layout::Measurer& measurer) {
  layout::Options options = ctrlelem_tool::ScreenLayoutOptions();
  options.id = description.id;
  return layout::LayOut(description.packet, width, height, measurer, options);
}

void BM_LayOutEveryDescription(benchmark::State& state) {
  const std::vector<Described> all = Descriptions();
  ctrlelem_tool::ScreenMeasurer measurer;
  std::size_t elements = 0;
  for (auto _ : state) {
    elements = 0;
    for (const Described& description : all) {
      const layout::Layout laid_out = LayOutOne(description, 0, 0, measurer);
      elements += laid_out.elements.size();
      benchmark::DoNotOptimize(laid_out.elements.data());
    }
  }
  state.counters["descriptions"] = static_cast<double>(all.size());
  state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(BM_LayOutEveryDescription)->Unit(benchmark::kMillisecond);

// What a host does on each WM_SIZE of the main window: one layout per size.
void BM_LayOutMainWindowResized(benchmark::State& state) {
  const std::vector<Described> all = Descriptions();
  const Described& main_window = all.front();  // element id 1
  ctrlelem_tool::ScreenMeasurer measurer;
  int step = 0;
  for (auto _ : state) {
    const int grow = step++ % 200;
    const layout::Layout laid_out = LayOutOne(main_window, 289 + grow, 500 + grow, measurer);
    benchmark::DoNotOptimize(laid_out.elements.data());
  }
}
BENCHMARK(BM_LayOutMainWindowResized)->Unit(benchmark::kMicrosecond);

void BM_LayoutJsonEveryDescription(benchmark::State& state) {
  const std::vector<Described> all = Descriptions();
  ctrlelem_tool::ScreenMeasurer measurer;
  std::vector<layout::Layout> laid_out;
  for (const Described& description : all)
    laid_out.push_back(LayOutOne(description, 0, 0, measurer));
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      bytes += ctrlelem_tool::LayoutJson(all[i].id, laid_out[i]).size();
    }
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LayoutJsonEveryDescription)->Unit(benchmark::kMillisecond);

}  // namespace
