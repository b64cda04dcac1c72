// The split-view window (element id 2): a title strip, the nested split views
// of window 3 with a large panel, a framed pane and window 3's control bar with
// one more link, an information bar and an HTML view on a green strip.
#include <string>

#include "schema/writers.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"
#include "windows/secondary/split_view_parts.h"
#include "windows/secondary/window2_panel.h"

namespace ctrlelem {
namespace {

using schema::Children;
using schema::Str;

constexpr std::uint32_t kOneLine = schema::kFormatSingleLine | schema::kFormatVCentre;

// The strip window: a grey fill and a label on a light band.
__packet TitleStrip() {
  Children strip;
  strip.Add(schema::BackgroundFill(0, 0xB6B4AC, kAnchorFill, {0, 0, 0, 0}));
  strip.Add(schema::Text({.id = 191,
                          .text = Str(1),
                          .colour = 0x6C7476,
                          .background = 0xCFEEF6,
                          .format = kOneLine,
                          .anchor = kAnchorFill,
                          .rect = {1, 1, 1, 1}}));
  return schema::WindowDescription(
      secondary::FixedSizeWindow(5012, Str(1), 12, schema::kWindowFramed, {168, 17}), strip,
      schema::kStripWindow);
}

// The inner split view's second pane: window 3's framed pane with an area
// inside the frame.
void AddFramedPane(Children& pane) {
  secondary::AddFramePane(pane);
  pane.Add(schema::FramedArea(5004, 1, kAnchorFill, {7, 7, 7, 7}));
}

// The link that window 2's control bar has after the status pictures.
__packet StatusLink() {
  return secondary::TextOnlyButton({.id = 1017,
                                    .style = schema::kButtonFlat,
                                    .anchor = kAnchorAlongTop,
                                    .rect = {290, 8, 200, 14},
                                    .hint = schema::StringHint(2061, 2)},
                                   {.text = Str(1),
                                    .colour = schema::kBlue,
                                    .style = schema::kFontStyleLink | schema::kFontStyleLabel,
                                    .format = kOneLine,
                                    .anchor = kAnchorFill},
                                   {schema::kBlack, schema::kFontStyleLabel});
}

}  // namespace

__packet secondary::SplitViewWindow2(ElementId id) {
  Children children;
  children.Add(TitleStrip());

  Children panel;
  secondary::AddWindow2Panel(panel);
  Children framed_pane;
  AddFramedPane(framed_pane);
  Children control_bar;
  // Window 3's bar, with the call button, the status pictures, the speaker
  // button and the volume control moved right to make room for the link.
  secondary::AddControlBar(control_bar, {.call_left = 100,
                                         .status_shift = 20,
                                         .extra_button = StatusLink(),
                                         .speaker_left = 190,
                                         .volume_left = 160,
                                         .video_link_format = schema::kFormatCentredLine});
  children.Add(
      secondary::NestedSplitViews({.outer_a = 100, .outer_b = 114, .inner_a = 100, .inner_b = 150},
                                  panel, framed_pane, control_bar));

  const std::wstring bar_texts[] = {secondary::FormattedText(1533, {1550, 2}),
                                    secondary::FormattedText(1534, {1551, 2})};
  secondary::AddBottomRows(children, bar_texts,
                           {.strip_id = 210,
                            .view_id = 5015,
                            .page = L"res://.\\Wembrix Video Chat.exe/%%2323/%%23111"});

  return schema::WindowDescription(secondary::GrowingWindow(id, {741, 490}), children);
}

}  // namespace ctrlelem
