// A layout as JSON: the document `ctrlelem layout --json` prints and the C
// interface hands out, one element per record in drawing order.
#pragma once

#include <cstdint>
#include <string>

#include "ctrlelem_pack/layout.h"

namespace ctrlelem_tool {

// The largest window side a layout is asked for, in pixels: far beyond any
// screen, small enough that no box computed from it overflows.
inline constexpr int kMaxWindowSide = 16384;

// The document for the layout of element id `id`, indented, ending with a
// newline.
[[nodiscard]] std::string LayoutJson(std::uint64_t id, const ctrlelem::layout::Layout& laid_out);

}  // namespace ctrlelem_tool
