#include "screen/profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "language/diagnostics.h"

namespace {

// setenv where there is one; Windows has _putenv_s.
void SetEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

using screen::Metric;
using screen::Profile;

// The profile is process-wide: each test puts the default one back.
class ProfileTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_FALSE(screen::SetProfile(Profile{})); }
};

struct Metrics {
  int cxmenucheck, cxframe, cyframe, cycaption;
  bool operator==(const Metrics&) const = default;
};

Metrics MetricsOf(const Profile& profile) {
  return {profile.Metric(Metric::cxmenucheck), profile.Metric(Metric::cxframe),
          profile.Metric(Metric::cyframe), profile.Metric(Metric::cycaption)};
}

TEST_F(ProfileTest, DefaultMetricsScaleWithTheirAxis) {
  Profile profile;
  EXPECT_EQ(MetricsOf(profile), (Metrics{13, 4, 4, 18}));
  profile.dpi_x = profile.dpi_y = 120;
  EXPECT_EQ(MetricsOf(profile), (Metrics{16, 5, 5, 23}));  // 16.25, 5, 5, 22.5 up
  profile.dpi_x = profile.dpi_y = 144;
  EXPECT_EQ(MetricsOf(profile), (Metrics{20, 6, 6, 27}));  // 19.5 up
  // cx metrics follow the horizontal resolution, cy metrics the vertical one.
  profile.dpi_x = 144;
  profile.dpi_y = 96;
  EXPECT_EQ(MetricsOf(profile), (Metrics{20, 6, 4, 18}));
}

TEST_F(ProfileTest, ExplicitMetricsAreUsedAsGiven) {
  Profile profile;
  profile.dpi_x = profile.dpi_y = 144;
  profile.cxmenucheck = 15;
  profile.cycaption = -3;
  EXPECT_EQ(MetricsOf(profile), (Metrics{15, 6, 6, -3}));
}

TEST_F(ProfileTest, DefaultBackendAnswersFromTheProfile) {
  Profile profile;
  profile.dpi_x = 120;
  profile.dpi_y = 144;
  profile.cxframe = 7;
  profile.given = true;  // on Windows, only a given profile replaces the real screen
  EXPECT_FALSE(screen::SetProfile(profile));
  screen::Screen& backend = screen::Current();
  EXPECT_EQ(backend.LogPixelsX(), 120);
  EXPECT_EQ(backend.LogPixelsY(), 144);
  EXPECT_EQ(backend.SystemMetric(Metric::cxframe), 7);
  EXPECT_EQ(backend.SystemMetric(Metric::cyframe), 6);
  EXPECT_EQ(screen::CurrentProfile().dpi_y, 144);
}

// A text the parser refuses, and the message it gives.
struct Refusal {
  const char* text;
  const char* message;
};

TEST(ParseDpi, AcceptsOneOrTwoResolutions) {
  Profile profile;
  EXPECT_FALSE(screen::ParseDpi("120", profile));
  EXPECT_EQ(profile.dpi_x, 120);
  EXPECT_EQ(profile.dpi_y, 120);
  EXPECT_FALSE(screen::ParseDpi("144x96", profile));
  EXPECT_EQ(profile.dpi_x, 144);
  EXPECT_EQ(profile.dpi_y, 96);
  EXPECT_FALSE(screen::ParseDpi("1x10000", profile));
}

TEST(ParseDpi, NamesWhatIsWrongAndKeepsTheProfile) {
  const Refusal cases[] = {
      {"", "bad resolution '': expected N or NxM"},
      {"abc", "bad resolution 'abc': 'abc' is not a whole number (expected N or NxM)"},
      {"120x", "bad resolution '120x': expected N or NxM"},
      {"0", "bad resolution '0': '0' is outside 1..10000"},
      {"96x10001", "bad resolution '96x10001': '10001' is outside 1..10000"},
      {"99999999999999999999",
       "bad resolution '99999999999999999999': "
       "'99999999999999999999' is outside 1..10000"},
      {"-96", "bad resolution '-96': '-96' is negative (resolutions are 1..10000)"},
      {"96x-1", "bad resolution '96x-1': '-1' is negative (resolutions are 1..10000)"},
      {"96x96x96", "bad resolution '96x96x96': '96x96' is not a whole number (expected N or NxM)"},
  };
  for (const Refusal& c : cases) {
    Profile profile;
    profile.dpi_x = 77;
    EXPECT_EQ(screen::ParseDpi(c.text, profile), language::Error{c.message});
    EXPECT_EQ(profile.dpi_x, 77) << c.text;
  }
}

TEST(ParseMetrics, SetsTheNamedMetrics) {
  Profile profile;
  profile.cxframe = 9;
  EXPECT_FALSE(screen::ParseMetrics("cxmenucheck=15,cycaption=0", profile));
  EXPECT_EQ(profile.cxmenucheck, 15);
  EXPECT_EQ(profile.cycaption, 0);
  EXPECT_EQ(profile.cxframe, 9);  // untouched
  EXPECT_FALSE(profile.cyframe.has_value());
  EXPECT_FALSE(screen::ParseMetrics("cyframe=10000,cxframe=20", profile));
  EXPECT_EQ(profile.cyframe, 10000);
  EXPECT_EQ(profile.cxframe, 20);
}

TEST(ParseMetrics, NamesWhatIsWrongAndKeepsTheProfile) {
  const Refusal cases[] = {
      {"", "bad metrics '': expected name=value[,name=value...]"},
      {"cxframe=1,", "bad metrics 'cxframe=1,': empty item (expected name=value)"},
      {"cxframe", "bad metrics 'cxframe': 'cxframe' is not name=value"},
      {"cxframe=1,CYFRAME=2",
       "bad metrics 'cxframe=1,CYFRAME=2': unknown metric 'CYFRAME' "
       "(expected cxmenucheck, cxframe, cyframe or cycaption)"},
      {"cxframe=1,cxframe=2", "bad metrics 'cxframe=1,cxframe=2': metric 'cxframe' is given twice"},
      {"cyframe=", "bad metrics 'cyframe=': value '' of 'cyframe' is not an integer in 0..10000"},
      {"cyframe=10001",
       "bad metrics 'cyframe=10001': value '10001' of 'cyframe' is not an integer in "
       "0..10000"},
      {"cxmenucheck=1,cxframe=-100",
       "bad metrics 'cxmenucheck=1,cxframe=-100': value '-100' of 'cxframe' is negative "
       "(system metrics are 0..10000)"},
      {"cyframe=+4",
       "bad metrics 'cyframe=+4': value '+4' of 'cyframe' is not an integer in 0..10000"},
  };
  for (const Refusal& c : cases) {
    Profile profile;
    profile.cxframe = 9;
    EXPECT_EQ(screen::ParseMetrics(c.text, profile), language::Error{c.message});
    EXPECT_EQ(profile.cxframe, 9) << c.text;  // nothing applied, not even the good items
  }
}

// Negative metrics gave negative window sizes and inverted rectangles: the API
// refuses what the parsers refuse, and keeps the profile in effect.
TEST(SetProfile, RefusesValuesOutsideTheirRanges) {
  Profile good;
  good.dpi_x = 120;
  ASSERT_FALSE(screen::SetProfile(good));
  const auto with = [](auto change) {
    Profile profile;
    change(profile);
    return profile;
  };
  const struct {
    Profile profile;
    const char* message;
  } cases[] = {
      {with([](Profile& p) { p.cxframe = -100; }),
       "bad profile: cxframe = -100 is outside 0..10000"},
      {with([](Profile& p) { p.cycaption = 10001; }),
       "bad profile: cycaption = 10001 is outside 0..10000"},
      {with([](Profile& p) { p.dpi_y = 0; }), "bad profile: dpi_y = 0 is outside 1..10000"},
      {with([](Profile& p) { p.dpi_x = -96; }), "bad profile: dpi_x = -96 is outside 1..10000"},
  };
  for (const auto& c : cases) EXPECT_EQ(screen::SetProfile(c.profile), language::Error{c.message});
  EXPECT_EQ(screen::CurrentProfile().dpi_x, 120);
  EXPECT_FALSE(screen::SetProfile(Profile()));
}

// The environment is read once per process, so each case runs in a fresh one.
class ProfileEnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ProfileEnvironmentTest, IsReadWhenTheProfileIsFirstNeeded) {
  EXPECT_EXIT(
      {
        SetEnvironment("CTRLELEM_DPI", "120x144");
        SetEnvironment("CTRLELEM_METRICS", "cycaption=30");
        const Profile profile = screen::CurrentProfile();
        SetEnvironment("CTRLELEM_DPI", "200");  // too late: read once
        const bool read = profile.dpi_x == 120 && profile.dpi_y == 144 && profile.cycaption == 30 &&
                          screen::Current().LogPixelsX() == 120;
        std::exit(read && language::TakeDiagnostics().empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ProfileEnvironmentTest, BadValuesAreReportedAndIgnored) {
  EXPECT_EXIT(
      {
        SetEnvironment("CTRLELEM_DPI", "huge");
        SetEnvironment("CTRLELEM_METRICS", "cxframe=6");
        const Profile profile = screen::CurrentProfile();
        const auto diagnostics = language::TakeDiagnostics();
        const bool reported = diagnostics.size() == 1 &&
                              diagnostics[0].find("CTRLELEM_DPI") != std::string::npos &&
                              diagnostics[0].find("'huge'") != std::string::npos;
        std::exit(reported && profile.dpi_x == 96 && profile.cxframe == 6 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ProfileEnvironmentTest, IsIgnoredOnceAProfileWasSet) {
  EXPECT_EXIT(
      {
        SetEnvironment("CTRLELEM_DPI", "120");
        EXPECT_FALSE(screen::SetProfile(Profile{}));
        std::exit(screen::CurrentProfile().dpi_x == 96 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
