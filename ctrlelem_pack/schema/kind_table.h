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

// A set of value types, one bit per __val::Type.
using TypeSet = std::uint8_t;
constexpr TypeSet TypeBit(__val::Type type) { return TypeSet(1u << static_cast<unsigned>(type)); }
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
std::span<const ValueTypeNames> ValueTypes();
// The names of any type; none, or a value outside the enum, reads "none" and
// "nothing".
const ValueTypeNames& NamesOf(__val::Type type);

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
std::string HexText(std::uint32_t value);

// Whether every packet of the kind carries the key.
enum class Presence : std::uint8_t { always, optional };

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
};

// The kinds in use, ascending.
std::span<const KindSchema> Kinds();
const KindSchema* FindKind(int kind);
std::string_view KindName(int kind);  // "" for a kind not in use

// A button's layout is told by the type of its key 2: unsigned for the
// state-group layout, a wide string for the text-shaped layout.
enum class ButtonLayout { state_groups, text_shaped };
ButtonLayout DetectButtonLayout(const __packet& button);

// The row that describes this packet: its kind's, or for a text-shaped button
// the row of that layout. Null for a packet without kind or of a kind not in
// use.
const KindSchema* SchemaOf(const __packet& packet);

// The fields of a packet of this kind; for a button, those of its layout.
std::span<const Field> FieldsOf(int kind, const __packet& packet);
const Field* FindField(std::span<const Field> fields, int key);

// The field of a count: the one whose container_key is the given key; null
// when no count stands beside that container.
const Field* CountFieldOf(std::span<const Field> fields, int container_key);

// Button state groups. A set holds four groups; group s of a set is the
// triple (caption, layer count, layer container) from the set's first key on.
enum class ButtonSet : std::uint8_t { first, second };
inline constexpr int kButtonStates = 4;
inline constexpr int kButtonHintKey = 5;
inline constexpr int kButtonSecondHintKey = 18;
struct StateGroupKeys {
  int caption;
  int count;
  int layers;
};
constexpr StateGroupKeys GroupKeys(ButtonSet set, int state) {
  const int caption = (set == ButtonSet::first ? 6 : 19) + 3 * (state - 1);
  return {caption, caption + 1, caption + 2};
}

// The fields of the unkinded packets that have fixed keys.
std::span<const Field> HintRecordFields();
std::span<const Field> SubmenuFields();
std::span<const Field> InfoTextRunFields();

// Keys of a menu (kind 10) and of a submenu packet.
inline constexpr int kMenuTypeKey = 1;
inline constexpr int kMenuCountKey = 2;
inline constexpr int kMenuItemsKey = 3;

// Menu item lists: item n (from 1) uses keys 6(n-1)+1 .. 6(n-1)+6.
inline constexpr int kMenuItemKeys = 6;
std::span<const Field> MenuItemFields();  // keys 1..6 of one item
// The item (from 1) and the slot (1 to 6) of a positive item-list key, and the
// number of items that a list whose highest key is top_key holds: a separator
// keeps only its first key, so a trailing one still counts as a whole item.
constexpr int ItemOfKey(int key) { return (key - 1) / kMenuItemKeys + 1; }
constexpr int SlotOfKey(int key) { return (key - 1) % kMenuItemKeys + 1; }
constexpr int ItemsForTopKey(int top_key) {
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
