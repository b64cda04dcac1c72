#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "language/strings.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

constexpr int kResume = 442;    // the resume link
constexpr int kHelp = 443;      // the help link (B)
constexpr int kQuestion = 445;  // the question beside it (C)

class FrameSizedWindow4Test : public SecondaryWindowTest {
 protected:
  __packet Build() { return ctrlelem::catalogue::BuildDescription(4); }
  // The question text 257 and the help link 1005 for the two widths.
  std::pair<RECT, RECT> Pair(int help, int question) {
    SetWidth(kHelp, help);
    SetWidth(kQuestion, question);
    const __packet children = Nested(Build(), 10);
    EXPECT_EQ(U32(Nested(children, 14), 1), 257u);
    EXPECT_EQ(U32(Nested(children, 15), 1), 1005u);
    EXPECT_EQ(Rect(Nested(Nested(children, 15), 6), 10), (RECT{0, 0, help, 16}));
    return {Rect(Nested(children, 14), 10), Rect(Nested(children, 15), 4)};
  }
};

TEST_F(FrameSizedWindow4Test, SizesAreClientSizesGrownByFrameAndCaption) {
  const __packet window = Build();
  EXPECT_EQ(Size(window, 6), (SIZE{96, 98}));
  EXPECT_EQ(Size(window, 7), (SIZE{546, 468}));
  EXPECT_EQ(Size(window, 8), (SIZE{184, 170}));

  // Read afresh for each size: vertical frame, caption, horizontal frame.
  using screen::Metric;
  const std::vector<Metric> one_size = {Metric::cyframe, Metric::cycaption, Metric::cxframe};
  std::vector<Metric> expected;
  for (int i = 0; i < 3; ++i) expected.insert(expected.end(), one_size.begin(), one_size.end());
  EXPECT_EQ(screen_->metric_reads, expected);
}

TEST_F(FrameSizedWindow4Test, EachMetricGoesToItsOwnAxis) {
  screen_->metrics[screen::Metric::cxframe] = 3;
  screen_->metrics[screen::Metric::cyframe] = 5;
  screen_->metrics[screen::Metric::cycaption] = 23;
  const __packet window = Build();
  EXPECT_EQ(Size(window, 6), (SIZE{94, 105}));
  EXPECT_EQ(Size(window, 7), (SIZE{544, 475}));
  EXPECT_EQ(Size(window, 8), (SIZE{182, 177}));
  EXPECT_EQ(U32(window, 9), 49u);
  EXPECT_EQ(Nested(window, 10).size(), 18u);
}

TEST_F(FrameSizedWindow4Test, QuestionAndHelpLinkMeetAroundTheCentre) {
  EXPECT_EQ(Pair(40, 60), std::make_pair(RECT{21, 0, 60, 16}, RECT{-31, 0, 40, 16}));
  // Odd sums and odd widths: every halving truncates.
  EXPECT_EQ(Pair(41, 61), std::make_pair(RECT{22, 0, 61, 16}, RECT{-32, 0, 41, 16}));
  // A negative width halves toward zero (-7 / 2 is -3, not -4).
  EXPECT_EQ(Pair(-7, 10), std::make_pair(RECT{-2, 0, 10, 16}, RECT{-6, 0, -7, 16}));
}

TEST_F(FrameSizedWindow4Test, MeasuresTheResumeLinkAloneAndThePairWithOneFont) {
  SetWidth(kResume, 50);
  const __packet children = Nested(Build(), 10);
  EXPECT_EQ(Rect(Nested(children, 12), 10), (RECT{53, 21, 10, 16}));
  ASSERT_EQ(screen_->measurements.size(), 2u);
  for (const auto& call : screen_->measurements) {
    EXPECT_EQ(call.font.point_size, 8);
    EXPECT_EQ(call.font.weight, 400);
  }
  EXPECT_EQ(screen_->measurements[0].texts, (std::vector<std::wstring>{Str(kResume)}));
  EXPECT_EQ(screen_->measurements[1].texts,
            (std::vector<std::wstring>{Str(kHelp), Str(kQuestion)}));
}

// The three welcome patterns hold the product name as %s; the bar must show
// the name, not the placeholder.
TEST_F(FrameSizedWindow4Test, InformationBarTextsAreFormattedWithTheProductName) {
  const __packet bar = Nested(Nested(Build(), 10), 18);
  EXPECT_EQ(U32(bar, 1), 1006u);
  EXPECT_EQ(U32(bar, 13), 3u);
  const std::vector<std::wstring> texts = BarTexts(bar);
  ASSERT_EQ(texts.size(), 3u);
  const std::wstring name = Str(449, 2);
  for (const std::wstring& text : texts) {
    EXPECT_EQ(text.find(L"%s"), std::wstring::npos);
    EXPECT_NE(text.find(name), std::wstring::npos);
  }
  const __packet icons = Nested(bar, 12);
  for (int key = 1; key <= 3; ++key) EXPECT_EQ(U32(Nested(icons, key), 1), 188u + key);
}

TEST_F(FrameSizedWindow4Test, PaneButtonsUseTheActivePictureWithTheFourthBitInState4) {
  const __packet pane = Nested(Nested(Build(), 10), 17);
  const __packet pause = Nested(Nested(pane, 10), 3);
  const __packet toggle = Nested(Nested(pane, 10), 4);
  EXPECT_EQ(U32(Nested(Nested(pause, 17), 1), 2), 0x10225u);
  EXPECT_EQ(U32(Nested(Nested(pause, 30), 1), 2), 0x10225u);
  EXPECT_EQ(U32(Nested(Nested(toggle, 17), 1), 2), 0x100E4u);
  EXPECT_EQ(U32(Nested(Nested(toggle, 30), 1), 2), 0x100C9u);
  EXPECT_EQ(U32(Nested(Nested(toggle, 30), 1), 1), 218u);
  EXPECT_EQ(Wide(Nested(toggle, 5), 4), L"");
  EXPECT_EQ(Wide(Nested(pause, 19), 2), L"");
}

}  // namespace
}  // namespace secondary_test
