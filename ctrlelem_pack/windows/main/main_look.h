// Names for the colours, text formats and styles that recur in the
// main window family, built from the schema's flag bits, so the element rows of
// the family read as data.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::main_window {

// Colours.
inline constexpr std::uint32_t kStripGreen = 0x30C762;  // strip under the HTML view
inline constexpr std::uint32_t kStatusGreen = 0x478755;
inline constexpr std::uint32_t kFormGrey = 0xD8E9EC;  // background of the form windows

// Text formats.
inline constexpr std::uint32_t kFormatLine = schema::kFormatSingleLine | schema::kFormatVCentre;
inline constexpr std::uint32_t kFormatRightMiddle = schema::kFormatRight | schema::kFormatVCentre;
inline constexpr std::uint32_t kFormatCutCentre = schema::kFormatEllipsis | schema::kFormatCentre;
inline constexpr std::uint32_t kFormatCutMiddle = schema::kFormatEllipsis | schema::kFormatVCentre;

// Font style of the blue link captions that also carry the label bit.
inline constexpr std::uint32_t kFontStyleLabelLink =
    schema::kFontStyleLabel | schema::kFontStyleLink;

// Window style words (key 3): resizable main window, fixed forms.
inline constexpr std::uint32_t kMainWindowStyle = 5;
inline constexpr std::uint32_t kFormWindowStyle = 20;

// The sign-in panel's two push buttons carry style 1 alone, without the 0x40
// that every other style word has.
inline constexpr std::uint32_t kButtonBare = 0x1;

// The balloon hint record (without kind) that the input elements share.
inline __packet BalloonRecord() { return schema::HintWithoutKind(schema::BalloonHint()); }

// A button with one set of four states (no second hint, no second set).
inline __packet OneSetButton(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                             std::optional<__packet> hint, const schema::StateSet& states) {
  return schema::StateGroupButton({.id = id,
                                   .style = style,
                                   .anchor = anchor,
                                   .rect = rect,
                                   .hint = std::move(hint),
                                   .states = states});
}

// Stores the elements under start_key, start_key + 1, ... in the order given:
// how a child group fills its part of the main window's container.
inline void AddRun(schema::Children& children, int start_key,
                   std::initializer_list<__packet> elements) {
  int key = start_key;
  for (const __packet& element : elements) children.Put(key++, element);
}

}  // namespace ctrlelem::main_window
