#include "ctrlelem_pack/schema/anchor.h"

#include <algorithm>
#include <climits>

#include "ctrlelem_pack/schema/kind_table.h"

namespace ctrlelem {
namespace {

// The four bits of one axis, named for the horizontal case: the near edge is
// left or top, the far edge right or bottom. (Not `near` and `far`: Windows
// headers define both as empty macros.)
struct AxisBits {
  bool near_edge;
  bool far_edge;
  bool stretch;
  bool centre;
};

struct Span {
  std::int64_t start;
  std::int64_t end;
};

// One axis of the placement rule. `offset` and `extent` are the axis's two
// rectangle members (a and b horizontally, c and d vertically), `parent` the
// parent's size along the axis. Every sum here has at most three 32-bit terms,
// so 64 bits cannot overflow, and `/` rounds toward zero as int arithmetic
// does everywhere else.
//
// The rule in words, with the choices the data leaves open (how combinations
// outside the tables rank), is written once, for hosts, in docs/host-sdk.md
// ("Anchor flags and placement"); this function is that rule.
constexpr Span PlaceAxis(AxisBits bits, std::int64_t offset, std::int64_t extent,
                         std::int64_t parent) {
  const std::int64_t half = parent / 2;
  if (bits.stretch) {
    const bool near_half = bits.centre && bits.near_edge && !bits.far_edge;
    const bool far_half = bits.centre && bits.far_edge && !bits.near_edge;
    return {(far_half ? half : 0) + offset, (near_half ? half : parent) - extent};
  }
  std::int64_t start = offset;
  if (bits.centre) {
    start = (bits.near_edge && !bits.far_edge) ? half + offset : (parent - extent) / 2 + offset;
  } else if (bits.far_edge && !bits.near_edge) {
    start = parent - offset;
  }
  return {start, start + extent};
}

constexpr int Saturate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

constexpr Placement ToPlacement(Span x, Span y) {
  return {Saturate(x.start), Saturate(y.start), Saturate(x.end), Saturate(y.end)};
}

}  // namespace

RectForm RectFormForKind(int element_kind) {
  return element_kind == schema::kImage ? RectForm::origin_and_size : RectForm::edges;
}

Placement PlaceChild(std::uint32_t anchor, RECT rect, int parent_width, int parent_height,
                     RectForm form) {
  const std::int64_t a = rect.left;
  const std::int64_t c = rect.top;
  const std::int64_t b = rect.right;
  const std::int64_t d = rect.bottom;
  const std::uint32_t known = anchor & kAnchorKnownBits;

  if (known == kAnchorNone) {
    if (form == RectForm::edges) return {rect.left, rect.top, rect.right, rect.bottom};
    return ToPlacement({a, a + b}, {c, c + d});
  }
  // A covering element ignores its rectangle; its only use (with kAnchorFill
  // and an empty rectangle) lands on the same edges either way.
  if ((known & kAnchorCoverParent) != 0) return {0, 0, parent_width, parent_height};

  const AxisBits x{(known & kAnchorLeft) != 0, (known & kAnchorRight) != 0,
                   (known & kAnchorStretchX) != 0, (known & kAnchorCentreX) != 0};
  const AxisBits y{(known & kAnchorTop) != 0, (known & kAnchorBottom) != 0,
                   (known & kAnchorStretchY) != 0, (known & kAnchorCentreY) != 0};
  return ToPlacement(PlaceAxis(x, a, b, parent_width), PlaceAxis(y, c, d, parent_height));
}

}  // namespace ctrlelem
