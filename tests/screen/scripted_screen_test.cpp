#include "screen/scripted_screen.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using screen::Metric;
using screen::ScriptedScreen;

TEST(ScriptedScreen, AnswersAsScriptedAndRecordsTheQuestions) {
  ScriptedScreen fake;
  fake.dpi_x = 120;
  fake.metrics[Metric::cycaption] = 25;
  fake.widths[L"Cancel"] = 41;
  EXPECT_EQ(fake.LogPixelsX(), 120);
  EXPECT_EQ(fake.LogPixelsY(), 96);
  EXPECT_EQ(fake.SystemMetric(Metric::cycaption), 25);
  EXPECT_EQ(fake.SystemMetric(Metric::cxmenucheck), 13);
  EXPECT_EQ(fake.SystemMetric(Metric::cycaption), 25);
  EXPECT_EQ(fake.Reads(Metric::cycaption), 2u);
  EXPECT_EQ(fake.Reads(Metric::cxframe), 0u);

  const std::array<std::wstring_view, 2> texts{L"Cancel", L"OK"};
  EXPECT_EQ(fake.TextWidths({L"Tahoma", 9, 700}, texts), (std::vector<int>{41, 14}));
  fake.default_width = [](std::wstring_view) { return 3; };
  EXPECT_EQ(fake.TextWidths({L"Tahoma", 8, 400}, std::span(texts).subspan(1)),
            (std::vector<int>{3}));
  ASSERT_EQ(fake.measurements.size(), 2u);
  EXPECT_EQ(fake.measurements[0].font, (screen::FontRequest{L"Tahoma", 9, 700}));
  EXPECT_EQ(fake.measurements[0].texts, (std::vector<std::wstring>{L"Cancel", L"OK"}));
  EXPECT_EQ(fake.measurements[1].texts, (std::vector<std::wstring>{L"OK"}));
}

TEST(ScopedScreen, InstallsAndPutsBackWhatWasThere) {
  screen::Screen& default_backend = screen::Current();
  ASSERT_EQ(screen::Installed(), nullptr);
  auto outer = std::make_shared<ScriptedScreen>();
  auto inner = std::make_shared<ScriptedScreen>();
  {
    screen::ScopedScreen outer_scope(outer);
    EXPECT_EQ(&screen::Current(), outer.get());
    {
      screen::ScopedScreen inner_scope(inner);
      EXPECT_EQ(&screen::Current(), inner.get());
    }
    EXPECT_EQ(&screen::Current(), outer.get());
  }
  EXPECT_EQ(&screen::Current(), &default_backend);
  EXPECT_EQ(screen::Installed(), nullptr);
}

TEST(Install, NullRestoresTheDefault) {
  screen::Screen& default_backend = screen::Current();
  screen::Install(std::make_shared<ScriptedScreen>());
  EXPECT_NE(&screen::Current(), &default_backend);
  screen::Install(nullptr);
  EXPECT_EQ(&screen::Current(), &default_backend);
}

}  // namespace
