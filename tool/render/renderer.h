// The reference renderer: draws a registered description as a host would show
// it, from the layout model (ctrlelem_pack/layout.h) and nothing else: every
// box, text line, visibility and overflow comes from LayOut. Pictures belong
// to the host, so an image element is a labelled placeholder (or
// DIR/<number>.png with an images folder); fields are drawn in a neutral
// look, and areas, frames and panes as outlines that name them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ctrlelem_pack/layout.h"
#include "language/packet.h"
#include "render/canvas.h"

namespace ctrlelem_tool::render {

// The look a button is drawn in: one of its four state groups, or the first
// group of its second set (falling back to the first set).
using ctrlelem::layout::ButtonState;
using ctrlelem::layout::ParseButtonState;

struct RenderOptions {
  // The window size to lay out at; clamped to the window's minimum and
  // maximum. Unset: the window's initial size.
  std::optional<int> width;
  std::optional<int> height;
  ButtonState state = ButtonState::normal;
  bool outline = false;        // each element's rectangle and id
  bool mark_overflow = false;  // a red frame around texts that do not fit
  std::string images_dir;      // DIR/<image number>.png where it exists
  // Paths of elements left out with everything inside them (one of two
  // panels that replace each other, say).
  std::vector<std::string> hide;
};

// A text that does not fit its element at its font.
struct Overflow {
  std::string path;
  std::wstring text;
  int needed = 0;
  int available = 0;
  bool height = false;  // too tall for its box, rather than too wide
  bool hidden = false;  // not visible: covered or clipped away
};

// Every element drawn, in drawing order, with its nesting depth (the root 0).
struct DrawnElement {
  ElementInfo info;
  int depth = 0;
};

struct Rendering {
  int width = 0;
  int height = 0;
  std::vector<DrawnElement> elements;
  std::vector<Overflow> overflows;
};

// The size of the image a description renders to: a window's size (clamped),
// or the room its opened menus need.
Rendering Measure(std::uint32_t id, const __packet& description, const RenderOptions& options);

// Draws the description onto a canvas of the size Measure gives.
Rendering Draw(std::uint32_t id, const __packet& description, const RenderOptions& options,
               Canvas& canvas);

}  // namespace ctrlelem_tool::render
