// Small row types and helpers that the secondary windows share, so their
// tables read as rows: a string reference, a picture placed in a container,
// the white fill that starts many containers, and the two ways their windows
// are sized.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "language/packet.h"
#include "schema/writers.h"

namespace ctrlelem::secondary {

// String `id` of table `table`.
struct StringRef {
  int id = 0;
  int table = 1;
};

// One image element: id, picture number, anchor flags, rectangle.
struct ImageRow {
  std::uint32_t id;
  std::uint32_t image;
  std::uint32_t anchor;
  RECT rect;
};

__packet ImageOf(const ImageRow& row);
// Adds one image element per row, in order.
void AddImages(schema::Children& children, std::span<const ImageRow> rows);

// The white background that covers a window or pane.
__packet WhiteFill();

// An information-bar text: the pattern (a string of table 1) formatted with
// one argument; the empty text when it cannot be formatted.
std::wstring FormattedText(int pattern, StringRef argument);

// ---- Window sizes ------------------------------------------------------------

// Keys 1 to 8 of a window that keeps one size: smallest, largest and initial
// size alike.
schema::Window FixedSizeWindow(std::uint32_t id, std::wstring caption, std::uint32_t style,
                               std::uint32_t flags, SIZE size);

// Keys 1 to 8 of the split-view windows and the image-set window: framed,
// captioned with string 1, opening at their smallest size and growing without
// limit (largest size 0 by 0).
schema::Window GrowingWindow(std::uint32_t id, SIZE smallest);

// ---- Text-only buttons -----------------------------------------------------

// Text-only states: the caption in states 1 to 3, the fourth state's caption in
// state 4; layer counts 0 and no layer containers.
schema::StateSet CaptionStates(const __packet& caption, const __packet& fourth);

// How a text-only button's caption changes in state 4.
struct FourthLook {
  std::uint32_t colour;
  std::uint32_t style;  // font style bits
};

// Keys 1 to 5 of a text-only button.
struct TextButton {
  std::uint32_t id;
  std::uint32_t style;
  std::uint32_t anchor;
  RECT rect;
  std::optional<__packet> hint = std::nullopt;
};

// A text-only button (link-like or plain): the caption as given in states 1
// to 3 and with the fourth look in state 4.
__packet TextOnlyButton(const TextButton& button, schema::TextElement caption, FourthLook fourth);

}  // namespace ctrlelem::secondary
