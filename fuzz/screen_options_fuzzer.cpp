// The screen options as the tool and the environment give them: --dpi,
// --metrics (CTRLELEM_DPI, CTRLELEM_METRICS) and render's --size, from any
// bytes (three fields split at NUL bytes). Never a crash or undefined
// behaviour; what parses is within its documented range and is accepted as a
// profile; the pixel bound is judged without overflow at any size.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common.h"
#include "render/output.h"
#include "screen/profile.h"

namespace {

constexpr int kMaxResolution = 10000;
constexpr int kMaxMetric = 10000;

void Check(bool condition) {
  if (!condition) std::abort();
}

// The next field of the input, up to a NUL byte or the end.
std::string_view Field(std::string_view& rest) {
  const std::size_t nul = rest.find('\0');
  const std::string_view field = rest.substr(0, nul);
  rest.remove_prefix(nul == std::string_view::npos ? rest.size() : nul + 1);
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view dpi = Field(rest);
  const std::string_view metrics = Field(rest);
  const std::string size_text(Field(rest));

  screen::Profile profile;
  const screen::Profile untouched = profile;
  if (!screen::ParseDpi(dpi, profile)) {
    Check(profile.dpi_x >= 1 && profile.dpi_x <= kMaxResolution);
    Check(profile.dpi_y >= 1 && profile.dpi_y <= kMaxResolution);
  } else {
    Check(profile.dpi_x == untouched.dpi_x && profile.dpi_y == untouched.dpi_y);
  }
  if (!screen::ParseMetrics(metrics, profile)) {
    for (const auto& metric :
         {profile.cxmenucheck, profile.cxframe, profile.cyframe, profile.cycaption}) {
      Check(!metric || (*metric >= 0 && *metric <= kMaxMetric));
    }
    Check(!screen::SetProfile(profile));
    Check(!screen::SetProfile(untouched));
  }
  int width = 0;
  int height = 0;
  if (ctrlelem_tool::ParseWindowSize(size_text, width, height)) {
    Check(width >= 1 && height >= 1);
    // A size that parses may still be too large to draw: judged, not computed
    // in int.
    static_cast<void>(ctrlelem_tool::render::PictureSizeError(width, height));
  }
  return 0;
}
