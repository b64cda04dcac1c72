// Readers for hosts: typed look-ups that turn a description into values, so a
// host never handles the byte format or the key arithmetic of containers,
// button state groups and menu item lists itself.
//
// Every reader is total. Foreign or malformed input gives a status, never an
// exception or a crash; where part of a structure could be read, the result
// holds that part beside the status.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ctrlelem_pack/schema/kind_table.h"
#include "language/limits.h"
#include "language/packet.h"

namespace ctrlelem::schema {

// What a read found.
enum class ReadStatus : std::uint8_t {
  ok,
  absent,        // the key is not there
  wrong_type,    // another value type, or a packet of another kind
  not_a_packet,  // a byte string that is not one well-formed packet
  malformed,     // the right kind of packet, but a key missing or of a wrong type
  too_deep,      // nested beyond the reader's limit
};
[[nodiscard]] std::string_view StatusName(ReadStatus status);

// A read's value beside its status: a result that must be looked at, so every
// reader returning one is [[nodiscard]].
template <class T>
struct [[nodiscard]] ReadResult {
  ReadStatus status = ReadStatus::absent;
  T value{};

  bool ok() const { return status == ReadStatus::ok; }
  explicit operator bool() const { return ok(); }
};

ReadResult<std::uint32_t> ReadUnsigned(const __packet& packet, int key);
// A rectangle (placement rectangles) or a size (window sizes) under the key.
ReadResult<RECT> ReadRect(const __packet& packet, int key);
ReadResult<SIZE> ReadSize(const __packet& packet, int key);
// The packet serialised under the key, of any kind or none.
ReadResult<__packet> ReadPacket(const __packet& packet, int key);

// The highest positive key of a packet; 0 when it has none.
[[nodiscard]] int TopKeyOf(const __packet& packet);

// ---- Text keys ------------------------------------------------------------

// A key that holds a wide string, or the unsigned 0 in its place (the text and
// font face of background fills).
enum class TextForm : std::uint8_t { text, zero, absent, wrong_type };
struct TextValue {
  TextForm form = TextForm::absent;
  std::wstring text;  // the text when form is text, else empty
};
[[nodiscard]] TextValue ReadText(const __packet& packet, int key);

// ---- Children containers --------------------------------------------------

// One entry of a container as a visitor sees it.
struct ChildEntry {
  int key;
  const __val& value;      // as stored
  const __packet* packet;  // the decoded child; null when the value is not a packet's bytes
};
using ChildVisitor = std::function<void(const ChildEntry&)>;

// Visits the entries under keys 1 to top_key in ascending order, skipping
// absent keys. Entries that are not packets are visited too, with a null
// packet. Costs the number of entries, not top_key.
void VisitChildren(const __packet& container, std::uint32_t top_key, const ChildVisitor& visit);

// A container together with the top key its owner stores beside it.
struct ContainerView {
  __packet packet;
  // The owner's count (window key 9, a layer count, ...); where none is stored
  // or it is not an unsigned, the highest key the container holds.
  std::uint32_t top_key = 0;
  bool top_key_stored = false;
};
// The container under container_key of the owner, with the count that the
// kind table pairs with that key.
ReadResult<ContainerView> ReadContainer(const __packet& owner, int container_key);
void VisitChildren(const ContainerView& container, const ChildVisitor& visit);

// ---- Hints ----------------------------------------------------------------

// A hint record: kind 5, or the same six keys in a packet without kind.
struct HintView {
  bool has_kind = false;
  std::uint32_t code = 0;
  std::uint32_t style = 0;
  std::uint32_t icon = 0;
  std::wstring title;
  std::wstring text;
  std::uint32_t flags = 0;
};
ReadResult<HintView> ReadHint(const __packet& record);
ReadResult<HintView> ReadHint(const __packet& owner, int key);

// ---- Button state groups --------------------------------------------------

// The shape of one state group, by which of its three keys are present.
enum class GroupShape : std::uint8_t {
  absent,                  // none of the three keys
  captioned_layers,        // caption, count, layer container
  layers_only,             // count and layer container, no caption
  caption_without_layers,  // caption and count (0), no container: text-only buttons
  caption_only,            // caption alone: text buttons
  irregular,               // any other combination
};
[[nodiscard]] std::string_view ShapeName(GroupShape shape);

struct StateGroupView {
  int state = 0;  // 1 to 4
  StateGroupKeys keys{};
  ReadResult<__packet> caption;  // a text element (kind 3)
  ReadResult<std::uint32_t> layer_count;
  ReadResult<__packet> layers;  // the layer container (no kind)
  GroupShape shape = GroupShape::absent;
};

enum class SetPresence : std::uint8_t {
  present,          // at least one key of the set's groups is there
  absent,           // none is
  no_state_groups,  // the text-shaped layout (or not a button): no groups at all
};

struct StateSetView {
  SetPresence presence = SetPresence::absent;
  std::array<StateGroupView, kButtonStates> groups{};

  // Whether all four groups have one shape.
  bool uniform() const;
};

// The four groups of the first (keys 6 to 17) or second (keys 19 to 30) set.
[[nodiscard]] StateSetView ReadStateSet(const __packet& button, ButtonSet set);

// ---- Menus ----------------------------------------------------------------

// ReadMenu descends language::kMaxMenuDepth submenu levels by default, and at
// most language::kMaxMenuDepthLimit; deeper submenus are reported as too_deep
// and not read.

struct MenuItemView;

// A menu (kind 10) or a submenu packet (no kind): type, count and items.
struct MenuView {
  std::uint32_t type = 0;           // kMenuBarType or kMenuPopupType
  std::uint32_t count = 0;          // the item count as stored
  std::vector<MenuItemView> items;  // ascending by index; absent items skipped
};

struct MenuItemView {
  int index = 0;  // from 1: keys 6(index-1)+1 to 6(index-1)+6
  bool separator = false;
  std::uint32_t command = 0;
  std::uint32_t flags = 0;
  std::wstring caption;
  std::optional<std::uint32_t> image;
  std::optional<std::uint32_t> alternative;  // the value 403 where it is given
  ReadStatus submenu_status = ReadStatus::absent;
  std::optional<MenuView> submenu;
};

// The values of a menu item list by item (from 1, ascending): slot s (1 to 6)
// of item n holds the value under key 6(n-1)+s, or null. Keys below 1 belong
// to no item and are left out.
using MenuItemSlots = std::array<const __val*, kMenuItemKeys + 1>;
[[nodiscard]] std::map<int, MenuItemSlots> GroupMenuItems(const __packet& list);

// Reads a menu or submenu and its submenus down to depth_limit levels. The
// status is that of the first fault met (malformed for an item whose command
// id or other key has a wrong type, too_deep for a submenu beyond the limit);
// the value holds every item that could be read.
ReadResult<MenuView> ReadMenu(const __packet& menu, int depth_limit = language::kMaxMenuDepth);

}  // namespace ctrlelem::schema
