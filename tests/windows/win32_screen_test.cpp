// The Win32 backend: GDI and USER answer unless a profile is given, and its
// text widths agree with the portable backend's.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "screen/dejavu_widths.h"
#include "screen/profile.h"
#include "screen/screen.h"

namespace {

using screen::Metric;
using screen::Profile;

class Win32ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { EXPECT_FALSE(screen::SetProfile(Profile{})); }
  void TearDown() override { EXPECT_FALSE(screen::SetProfile(Profile{})); }
};

struct MetricIndex {
  Metric metric;
  int index;
};

constexpr std::array<MetricIndex, 4> kMetricIndices{{
    {Metric::cxmenucheck, SM_CXMENUCHECK},
    {Metric::cxframe, SM_CXFRAME},
    {Metric::cyframe, SM_CYFRAME},
    {Metric::cycaption, SM_CYCAPTION},
}};

TEST_F(Win32ScreenTest, AsksGdiAndUserWhenNoProfileIsGiven) {
  HDC dc = GetDC(nullptr);
  ASSERT_NE(dc, nullptr);
  const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
  const int dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  // A profile that is not given (built in code without `given`) is not used.
  Profile ignored;
  ignored.dpi_x = ignored.dpi_y = dpi_x + 7;
  ignored.cxframe = 77;
  EXPECT_FALSE(screen::SetProfile(ignored));
  screen::Screen& backend = screen::Current();
  EXPECT_EQ(backend.LogPixelsX(), dpi_x);
  EXPECT_EQ(backend.LogPixelsY(), dpi_y);
  for (const MetricIndex& m : kMetricIndices) {
    EXPECT_EQ(backend.SystemMetric(m.metric), GetSystemMetrics(m.index)) << m.index;
  }
}

TEST_F(Win32ScreenTest, GivenResolutionAndMetricsReplaceTheSystemsAsElsewhere) {
  Profile profile;
  ASSERT_FALSE(screen::ParseDpi("120x144", profile));
  ASSERT_FALSE(screen::ParseMetrics("cxframe=3", profile));
  EXPECT_FALSE(screen::SetProfile(profile));
  screen::Screen& backend = screen::Current();
  EXPECT_EQ(backend.LogPixelsX(), 120);
  EXPECT_EQ(backend.LogPixelsY(), 144);
  // The given metric as given; the others are the profile's defaults scaled to
  // the given resolution, not what the system reports.
  EXPECT_EQ(backend.SystemMetric(Metric::cxmenucheck), 16);
  EXPECT_EQ(backend.SystemMetric(Metric::cxframe), 3);
  EXPECT_EQ(backend.SystemMetric(Metric::cyframe), 6);
  EXPECT_EQ(backend.SystemMetric(Metric::cycaption), 27);
}

TEST_F(Win32ScreenTest, GdiWidthsEqualThePortableBackendsForTheSameFontFiles) {
  screen_test::ExpectTheRecordedWidths();
}

}  // namespace
