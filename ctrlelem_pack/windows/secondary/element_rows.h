// Small row types and helpers that the secondary windows share, so their
// tables read as rows: a string reference, a picture placed in a container,
// the white fill that starts many containers, and the ordinary hint.
#pragma once

#include <cstdint>
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

// An ordinary hint (title string 1) showing the string; code 3 marks the hint
// of a second face.
__packet Tip(StringRef text, std::uint32_t code = schema::kHintCode);

// An information-bar text: the pattern (a string of table 1) formatted with
// one argument; the empty text when it cannot be formatted.
std::wstring FormattedText(int pattern, StringRef argument);

}  // namespace ctrlelem::secondary
