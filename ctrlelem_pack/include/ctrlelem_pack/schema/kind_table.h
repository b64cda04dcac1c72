// The description schema as data: for every element kind its name and, for
// every field key, what the key means, which value types it may hold and what a
// nested packet under it must be. The dump prints from it and the checker
// checks against it, so a kind's keys are written down once, here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/packet.h"

namespace ctrlelem::schema {

// Element kinds (the int given to the packet constructor).
enum Kind : int {
  kWindow = 1,
  kImage = 2,
  kText = 3,
  kButton = 4,
  kHint = 5,
  kStringField = 6,
  kInputField = 7,
  kStyledArea = 8,
  kStringArea = 9,
  kMenu = 10,
  kPictureFrame = 11,
  kInformationBar = 12,
  kIconLabel = 13,
  kFramedArea = 15,
  kSplitView = 17,
  kPlainArea = 18,
  kTwinImage = 19,
  kImageSetArea = 20,
  kPaneWindow = 21,
  kStripWindow = 22,
  kPlainFrame = 23,
  kCaptionedField = 24,
  kHtmlView = 25,
  kEntryBox = 26,
};

// Field keys, by kind. Each key number of the schema is written here once; the
// kind table's rows, the writers, the readers, the checker and the dump name
// keys through these.
namespace key {
// Windows (kind 1) and the pane and strip windows.
namespace window {
inline constexpr int kId = 1;
inline constexpr int kCaption = 2;
inline constexpr int kStyle = 3;
inline constexpr int kFlags = 4;
inline constexpr int kReserved = 5;
inline constexpr int kMinSize = 6;
inline constexpr int kMaxSize = 7;
inline constexpr int kInitialSize = 8;
inline constexpr int kTopKey = 9;
inline constexpr int kChildren = 10;
}  // namespace window
// Image elements (kind 2).
namespace image {
inline constexpr int kId = 1;
inline constexpr int kImage = 2;
inline constexpr int kFlag = 3;
inline constexpr int kAnchor = 4;
inline constexpr int kRect = 5;
}  // namespace image
// Text elements (kind 3) and the text-shaped button.
namespace text {
inline constexpr int kId = 1;
inline constexpr int kText = 2;
inline constexpr int kColour = 3;
inline constexpr int kBackground = 4;
inline constexpr int kFace = 5;
inline constexpr int kSize = 6;
inline constexpr int kStyle = 7;
inline constexpr int kFormat = 8;
inline constexpr int kAnchor = 9;
inline constexpr int kRect = 10;
}  // namespace text
// The hint record (kind 5, or the same keys without kind).
namespace hint {
inline constexpr int kCode = 1;
inline constexpr int kStyle = 2;
inline constexpr int kIcon = 3;
inline constexpr int kTitle = 4;
inline constexpr int kText = 5;
inline constexpr int kFlags = 6;
}  // namespace hint
// The control layout (buttons, fields, styled, string, framed and image-set
// areas, picture frames, split views, captioned fields, entry boxes); key 5
// is the control's own value: initial content, hint, reserved 0 or images.
namespace control {
inline constexpr int kId = 1;
inline constexpr int kStyle = 2;  // a picture frame's picture code, a split view's flag
inline constexpr int kAnchor = 3;
inline constexpr int kRect = 4;
inline constexpr int kValue = 5;
inline constexpr int kCaptionedFieldHint = 6;  // after the caption in key 5
}  // namespace control
// The area layout (information bar, icon label, plain area, twin image, plain
// frame, HTML view).
namespace area {
inline constexpr int kId = 1;
inline constexpr int kAnchor = 2;
inline constexpr int kRect = 3;
inline constexpr int kReserved = 4;  // plain area, information bar, icon label
}  // namespace area
// Buttons (kind 4), state-group layout: the control layout, two hints, and
// two sets of four state groups (GroupKeys).
namespace button {
inline constexpr int kHint = 5;
inline constexpr int kFirstSet = 6;
inline constexpr int kSecondHint = 18;
inline constexpr int kSecondSet = 19;
}  // namespace button
namespace split_view {
inline constexpr int kReserved = 5;
inline constexpr int kSizeA = 6;
inline constexpr int kPane1TopKey = 7;
inline constexpr int kPane1 = 8;
inline constexpr int kSplitterCount = 9;
inline constexpr int kSplitter = 10;
inline constexpr int kSizeB = 11;
inline constexpr int kPane2TopKey = 12;
inline constexpr int kPane2 = 13;
}  // namespace split_view
// Menus (kind 10) and submenu packets.
namespace menu {
inline constexpr int kType = 1;
inline constexpr int kCount = 2;
inline constexpr int kItems = 3;
}  // namespace menu
namespace info_bar {
inline constexpr int kBackground = 5;
inline constexpr int kLinkColour = 6;
inline constexpr int kActiveLinkColour = 7;
inline constexpr int kFace = 8;
inline constexpr int kSize = 9;
inline constexpr int kSecondReserved = 10;
inline constexpr int kIconCount = 11;
inline constexpr int kIcons = 12;
inline constexpr int kTextCount = 13;
inline constexpr int kTexts = 14;
}  // namespace info_bar
namespace icon_label {
inline constexpr int kIcon = 5;
inline constexpr int kEdge = 6;
inline constexpr int kLabel = 7;
}  // namespace icon_label
namespace twin_image {
inline constexpr int kFirstImage = 4;
inline constexpr int kSecondImage = 5;
inline constexpr int kHint = 6;
}  // namespace twin_image
namespace html_view {
inline constexpr int kPage = 4;
inline constexpr int kBackground = 5;
}  // namespace html_view
// A run of an information bar's parsed text.
namespace run {
inline constexpr int kType = 1;
inline constexpr int kText = 2;
inline constexpr int kTarget = 3;
}  // namespace run
}  // namespace key

// A set of value types, one bit per __val::Type.
using TypeSet = std::uint8_t;
[[nodiscard]] constexpr TypeSet TypeBit(__val::Type type) {
  return TypeSet(1u << static_cast<unsigned>(type));
}
inline constexpr TypeSet kU32 = TypeBit(__val::Type::u32);
inline constexpr TypeSet kI32 = TypeBit(__val::Type::i32);
inline constexpr TypeSet kSize = TypeBit(__val::Type::size);
inline constexpr TypeSet kRect = TypeBit(__val::Type::rect);
inline constexpr TypeSet kWstr = TypeBit(__val::Type::wstr);
inline constexpr TypeSet kBytes = TypeBit(__val::Type::bytes);

// A value type with the names it is shown under: the dump's short name and,
// with its article, the form it takes in a checker's sentence.
struct ValueTypeNames {
  __val::Type type;
  std::string_view name;         // "u32"
  std::string_view in_sentence;  // "an unsigned"
};
// The types a value may hold (u32 to bytes, in the order of their bits).
[[nodiscard]] std::span<const ValueTypeNames> ValueTypes();
// The names of any type; none, or a value outside the enum, reads "none" and
// "nothing".
[[nodiscard]] const ValueTypeNames& NamesOf(__val::Type type);

// What the byte string under a key holds.
enum class Nested : std::uint8_t {
  none,         // not a byte string
  children,     // container of element descriptions under keys 1..top
  layers,       // container of image elements (a button state's layers, icons, splitter)
  hint,         // a hint: kind 5, or the same six keys without kind
  input_hint,   // as hint, or an empty packet without kind, or the empty byte string
  text,         // one text element (kind 3)
  image,        // one image element (kind 2)
  item_list,    // a menu's item list
  submenu,      // a submenu packet (without kind: type, count, item list)
  text_packet,  // an information bar's parsed texts
  empty_bytes,  // the empty byte string
};

// How a number is best shown to a person.
enum class Show : std::uint8_t { decimal, hex, colour };
// A number in hex as people are shown flags and colours: "0x1A2B".
[[nodiscard]] std::string HexText(std::uint32_t value);

// Whether every packet of the kind carries the key.
enum class Presence : std::uint8_t { always, optional };

// A value of a key that has a name: a flag bit, a style word, a code.
struct NamedValue {
  std::uint32_t value;
  std::string_view name;
};

// What the values of a key stand for beyond their type: the unit or coding in
// words, and the values (or, where `bits`, the bits that combine) with names.
// `ctrlelem schema` prints the schema reference from these.
struct Domain {
  std::string_view name;  // "anchor flags"
  std::string_view text;
  std::span<const NamedValue> named = {};
  bool bits = false;
  Show show = Show::decimal;  // how the named values are written; bits in hex
};

// What a role of nested packet is called and what it must hold.
struct NestedDescription {
  std::string_view name;  // "children", as the schema's JSON names the role
  std::string_view text;  // "a container without kind: ..."
};
const NestedDescription& Describe(Nested role);

struct Field {
  int key;
  std::string_view name;
  TypeSet types;
  Nested nested = Nested::none;
  Show show = Show::decimal;
  // For a count: the key of the container whose top key it gives.
  int container_key = 0;
  Presence presence = Presence::always;
  // The unsigned 0 stands in for the value (the text keys of background
  // fills): the types include kU32, but no other unsigned value belongs here.
  bool zero_stands_in = false;
  const Domain* domain = nullptr;  // null: the name says it all
};

// Where a description of the kind may stand.
enum class Standing : std::uint8_t {
  child,      // in a children container, or under a key that names the kind
  top_level,  // registered under an element id of its own: windows and menus
  nested,     // only under a key of its owner: the hint
};

// One row of the kind table. The id, anchor and rect columns give the keys of
// the element id, anchor flags and placement rectangle; 0 where the kind has
// none.
struct KindSchema {
  int kind;
  std::string_view name;
  std::span<const Field> fields;
  int id_key = 0;
  int anchor_key = 0;
  int rect_key = 0;
  Standing standing = Standing::child;
  // What holds for the kind as a whole, in a sentence or two; may be empty.
  std::string_view note = {};
};

// The kinds in use, ascending.
[[nodiscard]] std::span<const KindSchema> Kinds();
[[nodiscard]] const KindSchema* FindKind(int kind);
[[nodiscard]] std::string_view KindName(int kind);  // "" for a kind not in use

// A button's layout is told by the type of its key 2: unsigned for the
// state-group layout, a wide string for the text-shaped layout.
enum class ButtonLayout { state_groups, text_shaped };
[[nodiscard]] ButtonLayout DetectButtonLayout(const __packet& button);

// The row of the button's text-shaped layout (the state-group layout is the
// kind table's row).
const KindSchema& TextShapedButtonSchema();

// The row that describes this packet: its kind's, or for a text-shaped button
// the row of that layout. Null for a packet without kind or of a kind not in
// use.
[[nodiscard]] const KindSchema* SchemaOf(const __packet& packet);

// The fields of a packet of this kind; for a button, those of its layout.
[[nodiscard]] std::span<const Field> FieldsOf(int kind, const __packet& packet);
[[nodiscard]] const Field* FindField(std::span<const Field> fields, int key);

// The field of a count: the one whose container_key is the given key; null
// when no count stands beside that container.
[[nodiscard]] const Field* CountFieldOf(std::span<const Field> fields, int container_key);

// Button state groups. A set holds four groups; group s of a set is the
// triple (caption, layer count, layer container) from the set's first key on.
enum class ButtonSet : std::uint8_t { first, second };
inline constexpr int kButtonStates = 4;
struct StateGroupKeys {
  int caption;
  int count;
  int layers;
};
[[nodiscard]] constexpr StateGroupKeys GroupKeys(ButtonSet set, int state) {
  const int caption = (set == ButtonSet::first ? key::button::kFirstSet : key::button::kSecondSet) +
                      3 * (state - 1);
  return {caption, caption + 1, caption + 2};
}

// The fields of the unkinded packets that have fixed keys.
[[nodiscard]] std::span<const Field> HintRecordFields();
[[nodiscard]] std::span<const Field> SubmenuFields();
[[nodiscard]] std::span<const Field> InfoTextRunFields();

// Menu item lists: item n (from 1) uses keys 6(n-1)+1 .. 6(n-1)+6.
inline constexpr int kMenuItemKeys = 6;
[[nodiscard]] std::span<const Field> MenuItemFields();  // keys 1..6 of one item
// The item (from 1) and the slot (1 to 6) of a positive item-list key, and the
// number of items that a list whose highest key is top_key holds: a separator
// keeps only its first key, so a trailing one still counts as a whole item.
[[nodiscard]] constexpr int ItemOfKey(int key) { return (key - 1) / kMenuItemKeys + 1; }
[[nodiscard]] constexpr int SlotOfKey(int key) { return (key - 1) % kMenuItemKeys + 1; }
[[nodiscard]] constexpr int ItemsForTopKey(int top_key) {
  return top_key <= 0 ? 0 : top_key / kMenuItemKeys + (top_key % kMenuItemKeys != 0 ? 1 : 0);
}
// The slots of one item (the key within its six).
inline constexpr int kItemCommand = 1;
inline constexpr int kItemFlags = 2;
inline constexpr int kItemCaption = 3;
inline constexpr int kItemImage = 4;
inline constexpr int kItemAlternative = 5;
inline constexpr int kItemSubmenu = 6;
inline constexpr std::uint32_t kMenuSeparator = 0xFFFFFFFFu;
inline constexpr std::uint32_t kMenuBarType = 12;
inline constexpr std::uint32_t kMenuPopupType = 13;

}  // namespace ctrlelem::schema
