// The whole path from a language file to the descriptions: any bytes as the
// language file, then a fresh registry filled by InitPacketsLib and every
// description checked against the schema. Never a crash or undefined
// behaviour, every id registered, and no text (however long, however many
// conversions its patterns hold) makes a description leave the schema.
//
// The screen is scripted so that text measurement costs nothing and a long
// text measures huge: what is fuzzed is the arithmetic on widths, the
// formatting and the building, not the font engine.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/checker.h"
#include "frame/entry_points.h"
#include "frame/registry.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "screen/screen.h"

namespace {

// Pixels per character: a few thousand characters already measure wider than
// any int, so the saturating paths are reached with short inputs.
constexpr std::int64_t kPixelsPerCharacter = 1 << 20;
constexpr std::size_t kDescriptionCount = 69;

class HugeTextScreen final : public screen::Screen {
 public:
  int LogPixelsX() override { return 10000; }
  int LogPixelsY() override { return 10000; }
  int SystemMetric(screen::Metric) override { return 10000; }
  std::vector<int> TextWidths(const screen::FontRequest&,
                              std::span<const std::wstring_view> texts) override {
    std::vector<int> widths;
    for (std::wstring_view text : texts) {
      const std::int64_t wide = static_cast<std::int64_t>(text.size()) * kPixelsPerCharacter;
      widths.push_back(static_cast<int>(std::min<std::int64_t>(wide, INT_MAX)));
    }
    return widths;
  }
};

std::string LanguageFilePath() {
  std::error_code ec;
  const std::filesystem::path shm = "/dev/shm";
  const auto folder =
      std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
  return (folder / ("descriptions_fuzzer_" + std::to_string(::getpid()) + ".lng")).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = LanguageFilePath();
  static const screen::ScopedScreen installed(std::make_shared<HugeTextScreen>());
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const bool loaded = !language::SetLanguageFile(path);
  language::TakeDiagnostics();
  if (!loaded) return 0;  // the built-in tables: nothing new to build

  ctrlelem::ResetRegistry();
  InitPacketsLib();
  language::TakeDiagnostics();
  const std::vector<ctrlelem::ElementId> ids = ctrlelem::RegisteredIds();
  if (ids.size() != kDescriptionCount) std::abort();
  for (const ctrlelem::ElementId id : ids) {
    const auto findings = ctrlelem::schema::CheckDescription(id, ctrlelem::Lookup(id),
                                                             ctrlelem::catalogue::CheckFacts());
    for (const auto& finding : findings) {
      std::fprintf(stderr, "%s: %s\n", finding.path.c_str(), finding.reason.c_str());
    }
    if (!findings.empty()) std::abort();
  }
  return 0;
}
