#include "screen/profile.h"

#include <array>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "language/diagnostics.h"

namespace screen {
namespace {

constexpr int kMinDpi = 1;
constexpr int kMaxDpi = 10000;
constexpr int kMinMetricValue = 0;  // metrics are sizes: never negative
constexpr int kMaxMetricValue = 10000;

// The metrics a profile knows, by the names of their textual form.
struct MetricRow {
  std::string_view name;
  Metric metric;
  std::optional<int> Profile::*field;
  int value_at_96_dpi;
  bool horizontal;  // scaled with dpi_x (cx metrics) or dpi_y (cy metrics)
};

constexpr std::array<MetricRow, 4> kMetricRows{{
    {"cxmenucheck", Metric::cxmenucheck, &Profile::cxmenucheck, 13, true},
    {"cxframe", Metric::cxframe, &Profile::cxframe, 4, true},
    {"cyframe", Metric::cyframe, &Profile::cyframe, 4, false},
    {"cycaption", Metric::cycaption, &Profile::cycaption, 18, false},
}};

const MetricRow& RowOf(Metric metric) {
  for (const MetricRow& row : kMetricRows) {
    if (row.metric == metric) return row;
  }
  return kMetricRows[0];  // unreachable: every Metric has a row
}

const MetricRow* RowNamed(std::string_view name) {
  for (const MetricRow& row : kMetricRows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

// A run of decimal digits within [min, max]; nullopt for anything else (empty,
// a sign or stray characters, out of range).
std::optional<int> ParseInteger(std::string_view text, int min, int max) {
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 1'000'000'000) return std::nullopt;  // far beyond any range asked for
  }
  if (value < min || value > max) return std::nullopt;
  return static_cast<int>(value);
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string RangeText(int min, int max) { return std::to_string(min) + ".." + std::to_string(max); }

// "-" followed by digits: a number, but one that no resolution or metric takes.
bool IsNegativeNumber(std::string_view text) {
  return text.size() > 1 && text.front() == '-' &&
         text.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

// What is wrong with a profile given through the API, or the empty string.
std::string ProfileError(const Profile& profile) {
  const auto outside = [](int value, int min, int max) { return value < min || value > max; };
  for (const auto& [name, dpi] : {std::pair{"dpi_x", profile.dpi_x}, {"dpi_y", profile.dpi_y}}) {
    if (outside(dpi, kMinDpi, kMaxDpi)) {
      return std::string("bad profile: ") + name + " = " + std::to_string(dpi) + " is outside " +
             RangeText(kMinDpi, kMaxDpi);
    }
  }
  for (const MetricRow& row : kMetricRows) {
    const std::optional<int>& given = profile.*row.field;
    if (given && outside(*given, kMinMetricValue, kMaxMetricValue)) {
      return "bad profile: " + std::string(row.name) + " = " + std::to_string(*given) +
             " is outside " + RangeText(kMinMetricValue, kMaxMetricValue);
    }
  }
  return {};
}

struct ProfileState {
  std::mutex mutex;
  Profile profile;
  bool settled = false;  // SetProfile was called, or the environment was read
};

ProfileState& State() {
  static ProfileState state;
  return state;
}

// Applies one environment variable through its parser; a bad value is reported
// and leaves the profile as it was.
void ApplyEnvironment(const char* variable,
                      std::optional<language::Error> (*parse)(std::string_view, Profile&),
                      Profile& profile) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') return;
  if (const std::optional<language::Error> error = parse(value, profile)) {
    language::ReportDiagnostic(std::string(variable) + ": " + error->message + " (ignored)");
  }
}

}  // namespace

int Profile::Metric(screen::Metric metric) const {
  const MetricRow& row = RowOf(metric);
  if (const std::optional<int>& given = this->*row.field) return *given;
  return MulDiv(row.value_at_96_dpi, row.horizontal ? dpi_x : dpi_y, 96);
}

std::optional<language::Error> SetProfile(const Profile& profile) {
  if (std::string error = ProfileError(profile); !error.empty()) return language::Error{error};
  ProfileState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.profile = profile;
  state.settled = true;
  return std::nullopt;
}

Profile CurrentProfile() {
  ProfileState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.settled) {
    ApplyEnvironment("CTRLELEM_DPI", &ParseDpi, state.profile);
    ApplyEnvironment("CTRLELEM_METRICS", &ParseMetrics, state.profile);
    state.settled = true;
  }
  return state.profile;
}

namespace {

// What is wrong with a resolution text, or the empty string.
std::string DpiError(std::string_view text, Profile& profile) {
  const std::string what = "bad resolution " + Quoted(text) + ": ";
  const std::size_t cross = text.find_first_of("xX");
  const std::string_view first = text.substr(0, cross);
  const std::string_view second = cross == std::string_view::npos ? first : text.substr(cross + 1);
  if (first.empty() || second.empty()) return what + "expected N or NxM";
  for (std::string_view part : {first, second}) {
    if (IsNegativeNumber(part)) {
      return what + Quoted(part) + " is negative (resolutions are " + std::to_string(kMinDpi) +
             ".." + std::to_string(kMaxDpi) + ")";
    }
    if (part.find_first_not_of("0123456789") != std::string_view::npos) {
      return what + Quoted(part) + " is not a whole number (expected N or NxM)";
    }
    if (!ParseInteger(part, kMinDpi, kMaxDpi)) {
      return what + Quoted(part) + " is outside " + std::to_string(kMinDpi) + ".." +
             std::to_string(kMaxDpi);
    }
  }
  profile.dpi_x = *ParseInteger(first, kMinDpi, kMaxDpi);
  profile.dpi_y = *ParseInteger(second, kMinDpi, kMaxDpi);
  profile.given = true;
  return {};
}

std::string MetricsError(std::string_view text, Profile& profile) {
  const std::string what = "bad metrics " + Quoted(text) + ": ";
  if (text.empty()) return what + "expected name=value[,name=value...]";
  Profile parsed = profile;
  std::array<bool, kMetricRows.size()> seen{};
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma - start);
    if (item.empty()) return what + "empty item (expected name=value)";
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) {
      return what + Quoted(item) + " is not name=value";
    }
    const std::string_view name = item.substr(0, equals);
    const std::string_view value = item.substr(equals + 1);
    const MetricRow* row = RowNamed(name);
    if (row == nullptr) {
      return what + "unknown metric " + Quoted(name) +
             " (expected cxmenucheck, cxframe, cyframe or cycaption)";
    }
    const std::size_t index = static_cast<std::size_t>(row - kMetricRows.data());
    if (seen[index]) return what + "metric " + Quoted(name) + " is given twice";
    seen[index] = true;
    if (IsNegativeNumber(value)) {
      return what + "value " + Quoted(value) + " of " + Quoted(name) +
             " is negative (system metrics are " + RangeText(kMinMetricValue, kMaxMetricValue) +
             ")";
    }
    const std::optional<int> number = ParseInteger(value, kMinMetricValue, kMaxMetricValue);
    if (!number) {
      return what + "value " + Quoted(value) + " of " + Quoted(name) + " is not an integer in " +
             RangeText(kMinMetricValue, kMaxMetricValue);
    }
    parsed.*(row->field) = *number;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  parsed.given = true;
  profile = parsed;
  return {};
}

}  // namespace

std::optional<language::Error> ParseDpi(std::string_view text, Profile& profile) {
  std::string error = DpiError(text, profile);
  if (error.empty()) return std::nullopt;
  return language::Error{std::move(error)};
}

std::optional<language::Error> ParseMetrics(std::string_view text, Profile& profile) {
  std::string error = MetricsError(text, profile);
  if (error.empty()) return std::nullopt;
  return language::Error{std::move(error)};
}

}  // namespace screen
