#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "language/strings.h"
#include "schema/writers.h"
#include "secondary_test_support.h"
#include "windows/secondary/split_view_parts.h"

namespace secondary_test {
namespace {

constexpr int kSend = 425;       // the send button's label, measured 10 pt bold
constexpr int kVideoLink = 824;  // the video link's label, measured 9 pt

class SplitViewWindow3Test : public SplitViewWindowTest {
 protected:
  SplitViewWindow3Test() : SplitViewWindowTest(3, 1) {}
  __packet ToolRow(const __packet& window) const { return FirstPane(window); }
};

TEST_F(SplitViewWindow3Test, NarrowSendLabelIsRaisedTo44) {
  SetWidth(kSend, 10);
  const __packet bar = ControlBar(Build());
  EXPECT_EQ(Rect(Nested(bar, 6), 5), (RECT{73, 63, 7, 7}));
  EXPECT_EQ(Rect(Nested(bar, 7), 5), (RECT{73, 70, 7, 33}));
  EXPECT_EQ(Rect(Nested(bar, 8), 5), (RECT{73, 33, 7, 27}));
  EXPECT_EQ(Rect(Nested(bar, 9), 5), (RECT{200, 63, 73, 3}));
  EXPECT_EQ(Rect(Nested(bar, 10), 5), (RECT{12, 9, 73, 3}));
  EXPECT_EQ(Rect(Nested(bar, 21), 4), (RECT{7, 65, 73, 9}));
  const __packet send = Nested(bar, 22);
  EXPECT_EQ(U32(send, 1), 1003u);
  EXPECT_EQ(Rect(send, 4), (RECT{63, 63, 54, 7}));
  for (int container : {8, 11, 14, 17}) {
    const __packet layers = Nested(send, container);
    EXPECT_EQ(Rect(Nested(layers, 1), 5), (RECT{0, 0, 54, 4})) << container;
    EXPECT_EQ(Rect(Nested(layers, 2), 5), (RECT{0, 4, 54, 4})) << container;
    EXPECT_EQ(Rect(Nested(layers, 3), 5), (RECT{0, 4, 54, 4})) << container;
  }
}

TEST_F(SplitViewWindow3Test, WideSendLabelMovesTheRightHandPieces) {
  SetWidth(kSend, 100);
  SetWidth(kVideoLink, 61);
  const __packet bar = ControlBar(Build());
  EXPECT_EQ(Rect(Nested(bar, 6), 5), (RECT{129, 63, 7, 7}));
  EXPECT_EQ(Rect(Nested(bar, 21), 4), (RECT{7, 65, 129, 9}));
  EXPECT_EQ(Rect(Nested(bar, 22), 4), (RECT{119, 63, 110, 7}));
  EXPECT_EQ(Rect(At(bar, {22, 17, 3}), 5), (RECT{0, 4, 110, 4}));
  // The link is as wide as its label, without a minimum.
  EXPECT_EQ(Rect(Nested(bar, 18), 4), (RECT{71, 30, 61, 20}));

  // Both labels measured in their own fonts, the send label first.
  ASSERT_EQ(screen_->measurements.size(), 2u);
  EXPECT_EQ(screen_->measurements[0].font.point_size, 10);
  EXPECT_EQ(screen_->measurements[0].font.weight, 700);
  EXPECT_EQ(screen_->measurements[0].texts.at(0), Str(kSend));
  EXPECT_EQ(screen_->measurements[1].font.point_size, 9);
  EXPECT_EQ(screen_->measurements[1].font.weight, 400);
  EXPECT_EQ(screen_->measurements[1].texts.at(0), Str(kVideoLink));
}

TEST_F(SplitViewWindow3Test, EmptyVideoLinkLabelGivesAnEmptyLink) {
  language_.emplace("[table 1]\n824 =\n");
  const __packet link = Nested(ControlBar(Build()), 18);
  EXPECT_EQ(U32(link, 1), 1007u);
  EXPECT_EQ(Rect(link, 4), (RECT{10, 30, 0, 20}));
  EXPECT_EQ(Wide(Nested(link, 6), 2), L"");
}

TEST_F(SplitViewWindow3Test, SplitViewsStoreTheirSizesBeforeTheirPanes) {
  const __packet window = Build();
  const std::vector<int> split_order = {1, 2, 3, 4, 5, 6, 11, 7, 8, 9, 10, 12, 13};
  const __packet outer = Outer(window);
  const __packet inner = Inner(window);
  EXPECT_EQ(outer.keys(), split_order);
  EXPECT_EQ(inner.keys(), split_order);

  EXPECT_EQ(U32(window, 9), 4u);
  EXPECT_EQ(Nested(window, 10).keys(), KeysUpTo(4));
  // Each count is the number of children of the container beside it.
  const struct {
    const __packet& view;
    int count_key;
    std::uint32_t count;
  } panes[] = {{outer, 7, 1},  {outer, 9, 1}, {outer, 12, 22},
               {inner, 7, 20}, {inner, 9, 3}, {inner, 12, 9}};
  for (const auto& pane : panes) {
    EXPECT_EQ(U32(pane.view, pane.count_key), pane.count) << pane.count_key;
    EXPECT_EQ(Nested(pane.view, pane.count_key + 1).keys(), KeysUpTo(static_cast<int>(pane.count)))
        << pane.count_key;
  }
  EXPECT_EQ(U32(outer, 6), 120u);
  EXPECT_EQ(U32(outer, 11), 100u);
  EXPECT_EQ(U32(inner, 6), 215u);
  EXPECT_EQ(U32(inner, 11), 100u);
}

TEST_F(SplitViewWindow3Test, MoreButtonKeepsTheBlockButtonsSecondFace) {
  const __packet row = ToolRow(Build());
  const __packet block = Nested(row, 17);
  const __packet more = Nested(row, 18);
  ASSERT_EQ(U32(block, 1), 1035u);
  ASSERT_EQ(U32(more, 1), 1039u);

  for (int caption : {6, 9, 12, 15}) EXPECT_FALSE(more.has(caption)) << caption;
  EXPECT_EQ(Wide(Nested(more, 5), 5), L">>");
  EXPECT_EQ(U32(Nested(more, 5), 1), 2u);
  EXPECT_EQ(Nested(more, 18), Nested(block, 18));
  EXPECT_EQ(U32(Nested(more, 18), 1), 3u);
  for (int key = 19; key <= 30; ++key) {
    ASSERT_TRUE(more.has(key)) << key;
    EXPECT_EQ(more[key], block[key]) << key;
  }
  EXPECT_EQ(Wide(Nested(more, 19), 2), Str(413));
  EXPECT_EQ(more.keys(), (std::vector<int>{1,  2,  3,  4,  5,  18, 7,  8,  10, 11, 13, 14, 16,
                                           17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
  // Its own pictures: the arrows without the fourth-state bit.
  EXPECT_EQ(U32(At(more, {17, 1}), 2), 670u);
  EXPECT_EQ(U32(At(more, {11, 1}), 2), 137u);
}

TEST_F(SplitViewWindow3Test, FontButtonCountsFallShortOfItsContainers) {
  const __packet bar = ControlBar(Build());
  const __packet emoticons = Nested(bar, 19);
  const __packet font = Nested(bar, 20);
  ASSERT_EQ(U32(emoticons, 1), 1001u);
  ASSERT_EQ(U32(font, 1), 1002u);
  EXPECT_EQ(font.keys(), emoticons.keys());

  const struct {
    int count_key;
    std::uint32_t emoticons_count;
    std::uint32_t font_count;
    int lead_key;  // where the lead picture stands in the container
  } states[] = {{7, 2, 1, 1}, {10, 5, 4, 4}, {13, 5, 4, 4}, {16, 2, 1, 1}};
  for (const auto& state : states) {
    EXPECT_EQ(U32(emoticons, state.count_key), state.emoticons_count);
    EXPECT_EQ(U32(font, state.count_key), state.font_count);
    const __packet layers = Nested(font, state.count_key + 1);
    EXPECT_EQ(layers.size(), state.emoticons_count);
    const __packet lead = Nested(layers, state.lead_key);
    EXPECT_EQ(U32(lead, 1), 173u);
    EXPECT_EQ(U32(lead, 2), 604u);
    const __packet arrow = Nested(layers, static_cast<int>(state.emoticons_count));
    EXPECT_EQ(U32(arrow, 1), 5u);
    EXPECT_EQ(U32(arrow, 2), 319u);
  }
  EXPECT_EQ(Rect(font, 4), (RECT{110, 35, 65, 27}));
  EXPECT_EQ(Wide(Nested(font, 5), 5), Str(2066));
  EXPECT_EQ(Wide(Nested(font, 6), 2), Str(424));
  EXPECT_EQ(Rect(Nested(font, 6), 10), (RECT{22, 0, 0, 0}));
  EXPECT_EQ(Rect(Nested(emoticons, 6), 10), (RECT{22, 0, 16, 0}));
}

TEST_F(SplitViewWindow3Test, OptionsButtonCarriesTheSecondCodeInBothHints) {
  const __packet options = Nested(ControlBar(Build()), 11);
  ASSERT_EQ(U32(options, 1), 1004u);
  EXPECT_EQ(Nested(options, 5), Nested(options, 18));
  EXPECT_EQ(U32(Nested(options, 5), 1), 3u);
  for (int count : {7, 10, 13, 16, 20, 23, 26, 29}) EXPECT_EQ(U32(options, count), 0u) << count;
  for (int layers : {8, 11, 14, 17, 21, 24, 27, 30}) EXPECT_FALSE(options.has(layers)) << layers;
  EXPECT_EQ(U32(Nested(options, 28), 3), 0x848484u);
}

TEST_F(SplitViewWindow3Test, InformationBarShowsTheFormattedNoticeAndTheLink) {
  const __packet bar = Nested(Build(), 10);
  const __packet info = Nested(bar, 2);
  EXPECT_EQ(U32(info, 13), 2u);
  const std::vector<std::wstring> texts = BarTexts(info);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[0].find(Str(1549, 2)), std::wstring::npos) << texts[0].size();
  EXPECT_EQ(texts[0].find(L"%s"), std::wstring::npos);
}

// Window 2 reuses the control bar with its own differences.
TEST_F(SplitViewWindow3Test, ControlBarVariantMovesOnlyTheListedPieces) {
  ctrlelem::schema::Children bar;
  ctrlelem::secondary::AddControlBar(
      bar, {.call_left = 100,
            .status_shift = 20,
            .extra_button = ctrlelem::schema::Image(9, 9, ctrlelem::kAnchorTopLeft, {1, 2, 3, 4}),
            .speaker_left = 190,
            .volume_left = 160,
            .video_link_format = 37});
  const __packet pane = bar.packet();
  EXPECT_EQ(pane.size(), 23u);
  EXPECT_EQ(Rect(Nested(pane, 12), 4), (RECT{100, 2, 52, 25}));
  EXPECT_EQ(Rect(Nested(pane, 13), 5), (RECT{170, 2, 110, 26}));
  EXPECT_EQ(Rect(Nested(pane, 15), 5), (RECT{234, 8, 39, 14}));
  EXPECT_EQ(U32(Nested(pane, 16), 1), 9u);
  EXPECT_EQ(Rect(Nested(pane, 17), 4), (RECT{190, 7, 25, 26}));
  EXPECT_EQ(Rect(Nested(pane, 18), 3), (RECT{160, 2, 150, 26}));
  EXPECT_EQ(U32(At(pane, {19, 15}), 8), 37u);
  EXPECT_EQ(U32(Nested(pane, 23), 1), 1003u);
}

}  // namespace
}  // namespace secondary_test
