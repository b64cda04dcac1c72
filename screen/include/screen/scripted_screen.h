// A screen with scripted answers, for tests: settable resolutions and metrics,
// widths per text, and a record of every question asked, so a test can check
// which strings were measured with which font and how often a metric was read.
//
//   auto fake = std::make_shared<screen::ScriptedScreen>();
//   fake->dpi_x = fake->dpi_y = 120;
//   fake->widths[L"OK"] = 30;
//   screen::ScopedScreen installed(fake);
//
// Not thread-safe: script it, then let one thread use it.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "screen/screen.h"

namespace screen {

class ScriptedScreen final : public Screen {
 public:
  // One TextWidths call: the font and the texts, in the order given.
  struct Measurement {
    FontRequest font;
    std::vector<std::wstring> texts;
  };

  int dpi_x = 96;
  int dpi_y = 96;
  // Metrics not listed here answer 0.
  std::map<Metric, int> metrics{{Metric::cxmenucheck, 13},
                                {Metric::cxframe, 4},
                                {Metric::cyframe, 4},
                                {Metric::cycaption, 18}};
  // Widths of scripted texts, whatever the font; other texts go to
  // default_width.
  std::map<std::wstring, int, std::less<>> widths;
  std::function<int(std::wstring_view)> default_width = [](std::wstring_view text) {
    return 7 * static_cast<int>(text.size());
  };

  // What was asked, in order.
  std::vector<Measurement> measurements;
  std::vector<Metric> metric_reads;

  int LogPixelsX() override { return dpi_x; }
  int LogPixelsY() override { return dpi_y; }

  int SystemMetric(Metric metric) override {
    metric_reads.push_back(metric);
    auto found = metrics.find(metric);
    return found == metrics.end() ? 0 : found->second;
  }

  std::vector<int> TextWidths(const FontRequest& font,
                              std::span<const std::wstring_view> texts) override {
    Measurement& call = measurements.emplace_back(Measurement{font, {}});
    std::vector<int> result;
    for (std::wstring_view text : texts) {
      call.texts.emplace_back(text);
      auto found = widths.find(text);
      result.push_back(found != widths.end() ? found->second : default_width(text));
    }
    return result;
  }

  // How many times the metric was read.
  std::size_t Reads(Metric metric) const {
    std::size_t count = 0;
    for (Metric read : metric_reads) count += read == metric ? 1 : 0;
    return count;
  }
};

}  // namespace screen
