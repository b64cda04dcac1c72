// Names for the placements, colours, text formats and styles that recur in the
// main window family, built from the schema's flag bits, so the element rows of
// the family read as data.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

#include "language/packet.h"
#include "schema/anchor.h"
#include "schema/constants.h"
#include "schema/writers.h"

namespace ctrlelem::main_window {

// Placements.
inline constexpr std::uint32_t kAlongTop = kAnchorStretchX | kAnchorTop;           // 0x24
inline constexpr std::uint32_t kAlongBottom = kAnchorStretchX | kAnchorBottom;     // 0x30
inline constexpr std::uint32_t kDownLeft = kAnchorLeft | kAnchorStretchY;          // 0x42
inline constexpr std::uint32_t kDownRight = kAnchorRight | kAnchorStretchY;        // 0x48
inline constexpr std::uint32_t kCentredTop = kAnchorCentreX | kAnchorTop;          // 0x84
inline constexpr std::uint32_t kFromCentreTop = kAnchorFromCentreX | kAnchorTop;   // 0x86
inline constexpr std::uint32_t kCentredBottom = kAnchorCentreX | kAnchorBottom;    // 0x90
inline constexpr std::uint32_t kLeftHalfTop = kAnchorLeftHalf | kAnchorTop;        // 0xA6
inline constexpr std::uint32_t kRightHalfTop = kAnchorRightHalf | kAnchorTop;      // 0xAC
inline constexpr std::uint32_t kLeftMiddle = kAnchorLeft | kAnchorCentreY;         // 0x102
inline constexpr std::uint32_t kCaptionAcross = kAnchorStretchX | kAnchorCentred;  // 0x1A0
inline constexpr std::uint32_t kCaptionCover = kAnchorFill | kAnchorCoverParent;   // 0x260

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

// An ordinary hint (kind 5) with string N of the table.
inline __packet HintOf(int string_id, int table = 1, std::uint32_t code = schema::kHintCode) {
  return schema::Hint(schema::OrdinaryHint(schema::Str(string_id, table), code));
}

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
                                   .states = states,
                                   .second_hint = std::nullopt,
                                   .second_states = std::nullopt});
}

// Stores the elements under start_key, start_key + 1, ... in the order given:
// how a child group fills its part of the main window's container.
inline void AddRun(schema::Children& children, int start_key,
                   std::initializer_list<__packet> elements) {
  int key = start_key;
  for (const __packet& element : elements) children.Put(key++, element);
}

}  // namespace ctrlelem::main_window
