// Anchor flags and the placement rule: how a child's placement rectangle and
// anchor flag word turn into edges inside its parent. This is the one place
// that knows the anchor bits; builders write kAnchorLeft | kAnchorTop (or a
// named combination), never the bare number.
#pragma once

#include <array>
#include <cstdint>

#include "language/win_types.h"

namespace ctrlelem {

// One bit per rule. Each axis is read from its own bits only. In the comments
// a and b are the rectangle's left and right members (the horizontal pair), c
// and d its top and bottom members (the vertical pair); W and H are the
// parent's width and height.
inline constexpr std::uint32_t kAnchorNone = 0x0;           // absolute rectangle, see RectForm
inline constexpr std::uint32_t kAnchorLeft = 0x2;           // left edge at a, width b
inline constexpr std::uint32_t kAnchorTop = 0x4;            // top edge at c, height d
inline constexpr std::uint32_t kAnchorRight = 0x8;          // left edge at W - a, width b
inline constexpr std::uint32_t kAnchorBottom = 0x10;        // top edge at H - c, height d
inline constexpr std::uint32_t kAnchorStretchX = 0x20;      // margins a and b from the sides
inline constexpr std::uint32_t kAnchorStretchY = 0x40;      // margins c and d from top and bottom
inline constexpr std::uint32_t kAnchorCentreX = 0x80;       // centred, then moved by a
inline constexpr std::uint32_t kAnchorCentreY = 0x100;      // centred, then moved by c
inline constexpr std::uint32_t kAnchorCoverParent = 0x200;  // the whole parent, rectangle unused

inline constexpr std::uint32_t kAnchorHorizontalBits =
    kAnchorLeft | kAnchorRight | kAnchorStretchX | kAnchorCentreX;
inline constexpr std::uint32_t kAnchorVerticalBits =
    kAnchorTop | kAnchorBottom | kAnchorStretchY | kAnchorCentreY;
// Bits outside this mask have no effect on placement.
inline constexpr std::uint32_t kAnchorKnownBits =
    kAnchorHorizontalBits | kAnchorVerticalBits | kAnchorCoverParent;

// Horizontal compounds with a rule of their own.
inline constexpr std::uint32_t kAnchorFromCentreX =
    kAnchorLeft | kAnchorCentreX;  // left at W/2 + a
inline constexpr std::uint32_t kAnchorLeftHalf = kAnchorLeft | kAnchorStretchX | kAnchorCentreX;
inline constexpr std::uint32_t kAnchorRightHalf = kAnchorRight | kAnchorStretchX | kAnchorCentreX;

// The combinations builders reach for most.
inline constexpr std::uint32_t kAnchorTopLeft = kAnchorLeft | kAnchorTop;
inline constexpr std::uint32_t kAnchorTopRight = kAnchorRight | kAnchorTop;
inline constexpr std::uint32_t kAnchorBottomLeft = kAnchorLeft | kAnchorBottom;
inline constexpr std::uint32_t kAnchorBottomRight = kAnchorRight | kAnchorBottom;
inline constexpr std::uint32_t kAnchorFill = kAnchorStretchX | kAnchorStretchY;  // less 4 margins
inline constexpr std::uint32_t kAnchorCentred = kAnchorCentreX | kAnchorCentreY;
// Full width at the top or bottom, full height at the left or right.
inline constexpr std::uint32_t kAnchorAlongTop = kAnchorStretchX | kAnchorTop;
inline constexpr std::uint32_t kAnchorAlongBottom = kAnchorStretchX | kAnchorBottom;
inline constexpr std::uint32_t kAnchorDownLeft = kAnchorLeft | kAnchorStretchY;
inline constexpr std::uint32_t kAnchorDownRight = kAnchorRight | kAnchorStretchY;
inline constexpr std::uint32_t kAnchorCentredTop = kAnchorCentreX | kAnchorTop;
inline constexpr std::uint32_t kAnchorFromCentreTop = kAnchorFromCentreX | kAnchorTop;
inline constexpr std::uint32_t kAnchorCentredBottom = kAnchorCentreX | kAnchorBottom;
inline constexpr std::uint32_t kAnchorLeftHalfTop = kAnchorLeftHalf | kAnchorTop;
inline constexpr std::uint32_t kAnchorRightHalfTop = kAnchorRightHalf | kAnchorTop;
// Vertically centred at the left or right edge.
inline constexpr std::uint32_t kAnchorLeftMiddle = kAnchorLeft | kAnchorCentreY;
inline constexpr std::uint32_t kAnchorRightMiddle = kAnchorRight | kAnchorCentreY;
// The two placements only button captions use: across the button, centred
// vertically; and the whole button.
inline constexpr std::uint32_t kAnchorCaptionAcross = kAnchorStretchX | kAnchorCentred;
inline constexpr std::uint32_t kAnchorCaptionCover = kAnchorFill | kAnchorCoverParent;

// Every anchor flag word that the descriptions carry. A word not listed here is
// still placed (PlaceChild is total), but a builder writing one is suspect.
inline constexpr std::array<std::uint32_t, 20> kAnchorCombinationsInUse = {
    kAnchorNone,           // 0x000 absolute rectangle
    kAnchorTopLeft,        // 0x006 the most common
    kAnchorTopRight,       // 0x00C
    kAnchorBottomLeft,     // 0x012
    kAnchorBottomRight,    // 0x018
    kAnchorAlongTop,       // 0x024
    kAnchorAlongBottom,    // 0x030
    kAnchorDownLeft,       // 0x042
    kAnchorDownRight,      // 0x048
    kAnchorFill,           // 0x060 backgrounds, most areas
    kAnchorCentredTop,     // 0x084
    kAnchorFromCentreTop,  // 0x086
    kAnchorCentredBottom,  // 0x090
    kAnchorLeftHalfTop,    // 0x0A6 left-half buttons
    kAnchorRightHalfTop,   // 0x0AC right-half buttons
    kAnchorLeftMiddle,     // 0x102
    kAnchorRightMiddle,    // 0x108 one text-link caption
    kAnchorCentred,        // 0x180 button icons
    kAnchorCaptionAcross,  // 0x1A0 button captions only
    kAnchorCaptionCover,   // 0x260 button captions only
};

[[nodiscard]] constexpr bool IsAnchorCombinationInUse(std::uint32_t anchor) {
  for (std::uint32_t in_use : kAnchorCombinationsInUse) {
    if (in_use == anchor) return true;
  }
  return false;
}

// How a rectangle is read when its anchor flags are 0 (no known bit).
enum class RectForm {
  edges,            // left, top, right, bottom: texts, buttons, input fields
  origin_and_size,  // left, top, width, height: image elements, as with kAnchorTopLeft
};

// The form an element kind uses for anchor flags 0: image elements (kind 2)
// give an origin and a size, every other kind gives its edges.
[[nodiscard]] RectForm RectFormForKind(int element_kind);

// A child's edges in its parent's coordinates; right and bottom are exclusive.
// Edges may be negative or lie outside the parent, and right may be less than
// left where the margins exceed the parent.
struct Placement {
  int left;
  int top;
  int right;
  int bottom;
  friend bool operator==(const Placement&, const Placement&) = default;
};

// Places a child in a parent area parent_width by parent_height. Total for all
// inputs: computed in 64 bits, every edge saturated to the int range, halves
// rounded toward zero. The rule, combinations outside the tables included, is
// written out in the host SDK's documentation (docs/host-sdk.md, "Anchor flags
// and placement").
[[nodiscard]] Placement PlaceChild(std::uint32_t anchor, RECT rect, int parent_width,
                                   int parent_height, RectForm form);

}  // namespace ctrlelem
