// The pieces that the two split-view windows (element ids 3 and 2) have in
// common: the pair of nested split views, the framed second pane of the inner
// one, the control bar of the outer one, the rows along the window's bottom,
// and the four states of a picture button. Window 3 uses them as they are;
// window 2 passes its differences.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::secondary {

// ---- Picture-button states -------------------------------------------------

// One face of a picture button: the icon alone in states 1 and 4, laid over a
// background in states 2 (hover) and 3 (pressed).
struct PictureFace {
  std::optional<__packet> caption = std::nullopt;         // states 1 to 3; none: picture only
  std::optional<__packet> fourth_caption = std::nullopt;  // state 4; the caption when not given
  __packet icon{};                                        // states 1 to 3
  __packet fourth_icon{};                                 // state 4
  __packet hover_background{};                            // state 2
  __packet pressed_background{};                          // state 3
};

// The four state groups of the face, layers listed background first.
schema::StateSet PictureStates(const PictureFace& face);

// ---- Nested split views ----------------------------------------------------

// Sizes A and B of the outer (5001) and the inner (5002) split view.
struct SplitSizes {
  std::uint32_t outer_a = 0;
  std::uint32_t outer_b = 0;
  std::uint32_t inner_a = 0;
  std::uint32_t inner_b = 0;
};

// The outer split view 5001: its first pane holds only the inner split view
// 5002 (panel | frame pane, split the other way), its second the control bar.
__packet NestedSplitViews(const SplitSizes& sizes, const schema::Children& panel,
                          const schema::Children& frame_pane, const schema::Children& control_bar);

// The inner split view's second pane: a white fill framed by eight pictures.
void AddFramePane(schema::Children& pane);

// ---- Control bar -----------------------------------------------------------

// Where a window's control bar departs from window 3's.
struct ControlBarVariant {
  int call_left = 90;    // button 1005
  int status_shift = 0;  // moves the status pictures 130, 161 and 160 right
  std::optional<__packet> extra_button = std::nullopt;  // a button that follows picture 160
  int speaker_left = 180;                               // button 1006
  int volume_left = 155;                                // the twin-image volume control 5006
  std::uint32_t video_link_format =
      schema::kFormatSingleLine | schema::kFormatRight | schema::kFormatCentre;  // button 1007
};

// Fills the control bar (the outer split view's second pane). Measures the
// send label (string 425, 10 pt bold, at least 44 wide) and the video link
// label (string 824, 9 pt, as measured) afresh.
void AddControlBar(schema::Children& bar, const ControlBarVariant& variant = {});

// ---- Bottom rows -------------------------------------------------------------

// The ids and the page of a window's HTML view and of the green strip it
// stands on.
struct StripPage {
  std::uint32_t strip_id;
  std::uint32_t view_id;
  std::wstring_view page;
};

// The window's last children: the information bar 1021 showing the texts in
// order, a green strip 64 high along the bottom, and the HTML view on it.
void AddBottomRows(schema::Children& children, std::span<const std::wstring> bar_texts,
                   const StripPage& strip);

}  // namespace ctrlelem::secondary
