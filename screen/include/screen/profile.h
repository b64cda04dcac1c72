// The screen profile: what the screen is taken to be where there is no real
// screen to ask (the portable backend), or where the screen was described
// explicitly. On Windows the default backend asks the real screen unless the
// profile is `given`; then resolutions and metrics are the profile's, exactly as
// elsewhere, and only text widths still come from GDI (at the profile's
// vertical resolution).
//
// Resolutions default to 96 dots per inch. Each metric defaults to its 96-dpi
// value (cxmenucheck 13, cxframe 4, cyframe 4, cycaption 18) scaled as
// MulDiv(value, dpi, 96) with the horizontal resolution for cx metrics and the
// vertical one for cy metrics; a metric given explicitly is used as given.
// Text widths come from fontconfig and FreeType: the face is matched with its
// substitutes, and a family without a bold file measures bold text with the
// face fontconfig offers instead (no synthetic emboldening).
//
// Set it before InitPacketsLib, through SetProfile, or in a process that uses
// the library unchanged through the environment:
//   CTRLELEM_DPI      "N" or "NxM" (horizontal x vertical)
//   CTRLELEM_METRICS  "name=value[,name=value...]", names cxmenucheck, cxframe,
//                     cyframe, cycaption
// The environment is read once, when the profile is first needed, and only when
// SetProfile has not been called before. A variable that is set but empty counts
// as unset; one that does not parse is reported through the diagnostics channel
// and ignored (the other variable still applies).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "language/error.h"
#include "screen/screen.h"

namespace screen {

struct Profile {
  int dpi_x = 96;
  int dpi_y = 96;
  std::optional<int> cxmenucheck;
  std::optional<int> cxframe;
  std::optional<int> cyframe;
  std::optional<int> cycaption;
  // Set by ParseDpi and ParseMetrics: a resolution or a metric was stated. A
  // profile built in code sets it to replace the real screen on Windows.
  bool given = false;

  // The metric's value under this profile (explicit, or the scaled default).
  int Metric(screen::Metric metric) const;
};

// Makes the profile the portable backend's; takes effect for later queries.
// A resolution outside 1..10000 or a metric outside 0..10000 (metrics are
// sizes: a negative one would give negative windows and inverted rectangles)
// is refused: the profile in effect stays, and what is wrong is returned
// ("bad profile: cxframe = -100 is outside 0..10000"). Nothing on success.
[[nodiscard]] std::optional<language::Error> SetProfile(const Profile& profile);
// The profile in effect (the environment's, if SetProfile was never called).
[[nodiscard]] Profile CurrentProfile();

// Parsers of the textual forms shared by the environment and the tool's
// options. They fill `profile` and return nothing, or leave `profile`
// untouched and return what is wrong ("bad resolution 'abc': expected N or
// NxM"). Resolutions are integers 1..10000; metric values integers 0..10000
// (a negative value is refused as such); each metric may be named once.
[[nodiscard]] std::optional<language::Error> ParseDpi(std::string_view text, Profile& profile);
[[nodiscard]] std::optional<language::Error> ParseMetrics(std::string_view text, Profile& profile);

}  // namespace screen
