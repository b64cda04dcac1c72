// A foreign packet as a host reads it: the first four bytes are the id it is
// checked under, the rest its serialised bytes. Every reader of the host SDK,
// the checker and the layout model run over it and over every packet nested
// in it. Never a
// crash or undefined behaviour, and what they return stays within its
// bounds: a child per entry, an item per item index, findings capped.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/layout.h"
#include "ctrlelem_pack/schema/checker.h"
#include "ctrlelem_pack/schema/readers.h"
#include "language/packet.h"

namespace {

namespace schema = ctrlelem::schema;

// The checker's bounds: 1000 findings and one that counts the rest; paths of
// 1024 characters (a step that would cross it shortens the path).
constexpr std::size_t kMaxFindings = 1001;
constexpr std::size_t kMaxPathLength = 1024 + 32;
// Nested packets visited per input, so that one input stays cheap.
constexpr int kMaxVisits = 64;
constexpr int kMaxDepth = 8;

void Check(bool condition) {
  if (!condition) std::abort();
}

void Menu(const schema::ReadResult<schema::MenuView>& menu, int levels) {
  int previous = 0;
  for (const schema::MenuItemView& item : menu.value.items) {
    Check(item.index > previous);  // ascending, each index once
    previous = item.index;
    if (item.submenu) {
      Check(levels > 0);
      Menu({schema::ReadStatus::ok, *item.submenu}, levels - 1);
    }
  }
}

void Read(const __packet& packet, int depth, int& visits) {
  if (++visits > kMaxVisits || depth > kMaxDepth) return;
  for (const int limit : {0, 1, language::kMaxMenuDepth})
    Menu(schema::ReadMenu(packet, limit), limit);
  for (const schema::ButtonSet set : {schema::ButtonSet::first, schema::ButtonSet::second}) {
    const schema::StateSetView view = schema::ReadStateSet(packet, set);
    static_cast<void>(view.uniform());
  }
  static_cast<void>(schema::ReadHint(packet));
  const int top = schema::TopKeyOf(packet);
  Check(top >= 0);
  std::size_t entries = 0;
  schema::VisitChildren(packet, std::numeric_limits<std::uint32_t>::max(),
                        [&](const schema::ChildEntry& child) {
                          Check(child.key >= 1);
                          ++entries;
                        });
  Check(entries <= packet.size());
  for (const __val& value : packet.values()) {
    static_cast<void>(schema::ReadHint(packet, value.key()));
    static_cast<void>(schema::ReadText(packet, value.key()));
    const auto container = schema::ReadContainer(packet, value.key());
    if (container) {
      std::size_t visited = 0;
      schema::VisitChildren(container.value, [&](const schema::ChildEntry&) { ++visited; });
      Check(visited <= container.value.packet.size());
    }
    if (const auto nested = value.as_packet()) Read(*nested, depth + 1, visits);
  }
}

// Text measured at a fixed pitch: the layout's own arithmetic is what is tried.
class FixedPitch final : public ctrlelem::layout::Measurer {
 public:
  std::vector<int> Widths(const ctrlelem::layout::Font&,
                          std::span<const std::wstring_view> texts) override {
    std::vector<int> widths;
    for (const std::wstring_view text : texts) {
      widths.push_back(static_cast<int>(std::min<std::size_t>(text.size(), 1u << 20)) * 7);
    }
    return widths;
  }
  int LineHeight(const ctrlelem::layout::Font&) override { return 15; }
  int CharacterHeight(const ctrlelem::layout::Font&) override { return 12; }
};

// Every element's clip lies inside its box, and every text's lines were laid
// out in its box's terms.
void LayOut(const __packet& packet) {
  namespace layout = ctrlelem::layout;
  FixedPitch measurer;
  layout::Options options;
  options.all_states = true;
  for (const int size : {0, 1, 5000}) {
    const layout::Layout laid_out = layout::LayOut(packet, size, size, measurer, options);
    for (const layout::Element& element : laid_out.elements) {
      const layout::Box& clip = element.clip;
      if (!clip.empty()) {
        Check(clip.x >= element.box.x && clip.y >= element.box.y);
        Check(clip.right() <= element.box.right() && clip.bottom() <= element.box.bottom());
      }
      if (element.text) Check(element.text->layout.needed_height >= 0);
    }
    static_cast<void>(layout::FindOverflows(laid_out));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(std::uint32_t)) return 0;
  std::uint32_t id = 0;
  std::memcpy(&id, data, sizeof id);
  __packet packet;
  if (!packet.receive(data + sizeof id, size - sizeof id)) return 0;
  const auto findings = schema::CheckDescription(id, packet, ctrlelem::catalogue::CheckFacts());
  Check(findings.size() <= kMaxFindings);
  for (const auto& finding : findings) Check(finding.path.size() <= kMaxPathLength);
  int visits = 0;
  Read(packet, 0, visits);
  LayOut(packet);
  return 0;
}
