#include "schema/kind_table.h"

#include <algorithm>
#include <cstdio>

namespace ctrlelem::schema {
namespace {

using N = Nested;
using S = Show;

// Row modifiers for the rarer properties of a field.
constexpr Field Optional(Field field) {
  field.presence = Presence::optional;
  return field;
}
constexpr Field ZeroStandsIn(Field field) {
  field.zero_stands_in = true;
  return field;
}

// The tables below keep one row per key, as the schema lists them.
// clang-format off

// Keys 1 to 10 of a window, and of the pane and strip windows that stand as
// children in another description. Dialogs leave out keys 5 to 7 (the second
// dialog family key 3 too), and the panes whose flag word is 6 key 8.
constexpr Field kWindowFields[] = {
    {1, "element id", kU32},
    {2, "caption", kWstr},
    Optional({3, "window style", kU32, N::none, S::hex}),
    {4, "window flags", kU32, N::none, S::hex},
    Optional({5, "reserved", kU32}),
    Optional({6, "minimum size", kSize}),
    Optional({7, "maximum size", kSize}),
    Optional({8, "initial size", kSize}),
    {9, "top child key", kU32, N::none, S::decimal, 10},
    {10, "children", kBytes, N::children},
};

constexpr Field kImageFields[] = {
    {1, "element id", kU32},
    {2, "image", kU32},
    {3, "image flag", kU32},
    {4, "anchor", kU32, N::none, S::hex},
    {5, "rect", kRect},
};

// Keys 1 to 10 of a text element; the text-shaped button uses the same keys.
#define CTRLELEM_TEXT_FIELDS(text_row, face_row)    \
  {1, "element id", kU32},                          \
  text_row,                                         \
  {3, "colour", kU32, N::none, S::colour},          \
  {4, "background", kU32, N::none, S::colour},      \
  face_row,                                         \
  {6, "font size", kU32},                           \
  {7, "font style", kU32, N::none, S::hex},         \
  {8, "format", kU32, N::none, S::hex},             \
  {9, "anchor", kU32, N::none, S::hex},             \
  {10, "rect", kRect}

// Background fills carry the unsigned 0 for the text and the font face.
constexpr Field kTextFields[] = {
    CTRLELEM_TEXT_FIELDS(ZeroStandsIn({2, "text", kWstr | kU32}),
                         ZeroStandsIn({5, "font face", kWstr | kU32})),
};
constexpr Field kTextShapedButtonFields[] = {
    CTRLELEM_TEXT_FIELDS((Field{2, "text", kWstr}), (Field{5, "font face", kWstr})),
};
#undef CTRLELEM_TEXT_FIELDS

// One state group: caption, layer count, layer container. Which of the three
// a button carries depends on its shape, so each may be absent.
#define CTRLELEM_STATE_GROUP(caption_key, label)                                              \
  Optional({caption_key, label " caption", kBytes, N::text}),                                 \
  Optional({caption_key + 1, label " layer count", kU32, N::none, S::decimal, caption_key + 2}), \
  Optional({caption_key + 2, label " layers", kBytes, N::layers})

constexpr Field kStateGroupButtonFields[] = {
    {1, "control id", kU32},
    {2, "style", kU32, N::none, S::hex},
    {3, "anchor", kU32, N::none, S::hex},
    {4, "rect", kRect},
    Optional({5, "hint", kBytes, N::hint}),
    CTRLELEM_STATE_GROUP(6, "state 1"),
    CTRLELEM_STATE_GROUP(9, "state 2"),
    CTRLELEM_STATE_GROUP(12, "state 3"),
    CTRLELEM_STATE_GROUP(15, "state 4"),
    Optional({18, "second hint", kBytes, N::hint}),
    CTRLELEM_STATE_GROUP(19, "second state 1"),
    CTRLELEM_STATE_GROUP(22, "second state 2"),
    CTRLELEM_STATE_GROUP(25, "second state 3"),
    CTRLELEM_STATE_GROUP(28, "second state 4"),
};
#undef CTRLELEM_STATE_GROUP

constexpr Field kHintFields[] = {
    {1, "hint code", kU32},
    {2, "style", kU32, N::none, S::hex},
    {3, "icon", kU32},
    {4, "title", kWstr},
    {5, "text", kWstr},
    {6, "tool flags", kU32, N::none, S::hex},
};

// Keys 1 to 4 of the control layout.
#define CTRLELEM_CONTROL_FIELDS          \
  {1, "element id", kU32},               \
  {2, "style", kU32, N::none, S::hex},   \
  {3, "anchor", kU32, N::none, S::hex},  \
  {4, "rect", kRect}

constexpr Field kStringFieldFields[] = {CTRLELEM_CONTROL_FIELDS,
                                        {5, "initial content", kBytes, N::empty_bytes}};
constexpr Field kInputFieldFields[] = {CTRLELEM_CONTROL_FIELDS, {5, "hint", kBytes, N::input_hint}};
constexpr Field kStyledAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {5, "reserved", kI32}};
constexpr Field kStringAreaFields[] = {CTRLELEM_CONTROL_FIELDS,
                                       {5, "initial content", kBytes, N::empty_bytes}};
constexpr Field kFramedAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {5, "reserved", kI32}};
constexpr Field kImageSetAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {5, "images", kBytes, N::layers}};
constexpr Field kCaptionedFieldFields[] = {
    CTRLELEM_CONTROL_FIELDS, {5, "caption", kWstr}, {6, "hint", kBytes, N::hint}};
constexpr Field kEntryBoxFields[] = {CTRLELEM_CONTROL_FIELDS, {5, "hint", kBytes, N::hint}};
constexpr Field kPictureFrameFields[] = {
    {1, "element id", kU32},
    {2, "picture code", kU32},
    {3, "anchor", kU32, N::none, S::hex},
    {4, "rect", kRect},
};
#undef CTRLELEM_CONTROL_FIELDS

constexpr Field kSplitViewFields[] = {
    {1, "element id", kU32},
    {2, "split flag", kU32},
    {3, "anchor", kU32, N::none, S::hex},
    {4, "rect", kRect},
    {5, "reserved", kU32},
    {6, "size A", kU32},
    {7, "pane 1 top key", kU32, N::none, S::decimal, 8},
    {8, "pane 1", kBytes, N::children},
    {9, "splitter picture count", kU32, N::none, S::decimal, 10},
    {10, "splitter", kBytes, N::layers},
    {11, "size B", kU32},
    {12, "pane 2 top key", kU32, N::none, S::decimal, 13},
    {13, "pane 2", kBytes, N::children},
};

constexpr Field kMenuFields[] = {
    {1, "menu type", kU32},
    {2, "item count", kU32},
    {3, "items", kBytes, N::item_list},
};

// Keys 1 to 3 of the area layout.
#define CTRLELEM_AREA_FIELDS             \
  {1, "element id", kU32},               \
  {2, "anchor", kU32, N::none, S::hex},  \
  {3, "rect", kRect}

constexpr Field kInformationBarFields[] = {
    CTRLELEM_AREA_FIELDS,
    {4, "reserved", kU32},
    {5, "background", kU32, N::none, S::colour},
    {6, "link colour", kU32, N::none, S::colour},
    {7, "active link colour", kU32, N::none, S::colour},
    {8, "font face", kWstr},
    {9, "font size", kU32},
    {10, "reserved", kU32},
    {11, "icon count", kU32, N::none, S::decimal, 12},
    {12, "icons", kBytes, N::layers},
    {13, "text count", kU32, N::none, S::decimal, 14},
    {14, "texts", kBytes, N::text_packet},
};
constexpr Field kIconLabelFields[] = {
    CTRLELEM_AREA_FIELDS,
    {4, "reserved", kU32},
    {5, "icon", kBytes, N::image},
    {6, "edge", kBytes, N::image},
    {7, "label", kBytes, N::text},
};
constexpr Field kPlainAreaFields[] = {CTRLELEM_AREA_FIELDS, {4, "reserved", kI32}};
constexpr Field kTwinImageFields[] = {
    CTRLELEM_AREA_FIELDS,
    {4, "first image", kU32},
    {5, "second image", kU32},
    {6, "hint", kBytes, N::hint},
};
constexpr Field kPlainFrameFields[] = {CTRLELEM_AREA_FIELDS};
constexpr Field kHtmlViewFields[] = {
    CTRLELEM_AREA_FIELDS,
    {4, "page", kWstr},
    {5, "background", kU32, N::none, S::colour},
};
#undef CTRLELEM_AREA_FIELDS

using St = Standing;

// kind, name, fields, id key, anchor key, rect key, where it stands.
constexpr KindSchema kKinds[] = {
    {kWindow, "window", kWindowFields, 1, 0, 0, St::top_level},
    {kImage, "image element", kImageFields, 1, 4, 5},
    {kText, "text element", kTextFields, 1, 9, 10},
    {kButton, "button", kStateGroupButtonFields, 1, 3, 4},
    {kHint, "hint", kHintFields, 0, 0, 0, St::nested},
    {kStringField, "string field", kStringFieldFields, 1, 3, 4},
    {kInputField, "input field", kInputFieldFields, 1, 3, 4},
    {kStyledArea, "styled area", kStyledAreaFields, 1, 3, 4},
    {kStringArea, "string area", kStringAreaFields, 1, 3, 4},
    {kMenu, "menu", kMenuFields, 0, 0, 0, St::top_level},
    {kPictureFrame, "picture frame", kPictureFrameFields, 1, 3, 4},
    {kInformationBar, "information bar", kInformationBarFields, 1, 2, 3},
    {kIconLabel, "icon label", kIconLabelFields, 1, 2, 3},
    {kFramedArea, "framed area", kFramedAreaFields, 1, 3, 4},
    {kSplitView, "split view", kSplitViewFields, 1, 3, 4},
    {kPlainArea, "plain area", kPlainAreaFields, 1, 2, 3},
    {kTwinImage, "twin-image control", kTwinImageFields, 1, 2, 3},
    {kImageSetArea, "image-set area", kImageSetAreaFields, 1, 3, 4},
    {kPaneWindow, "pane window", kWindowFields, 1, 0, 0},
    {kStripWindow, "strip window", kWindowFields, 1, 0, 0},
    {kPlainFrame, "plain frame", kPlainFrameFields, 1, 2, 3},
    {kCaptionedField, "captioned field", kCaptionedFieldFields, 1, 3, 4},
    {kHtmlView, "HTML view", kHtmlViewFields, 1, 2, 3},
    {kEntryBox, "entry box", kEntryBoxFields, 1, 3, 4},
};

// The button's second layout: a text element's keys under kind 4.
constexpr KindSchema kTextShapedButton = {kButton, "button", kTextShapedButtonFields, 1, 9, 10};

constexpr Field kSubmenuFields[] = {
    {1, "menu type", kU32},
    {2, "item count", kU32},
    {3, "items", kBytes, N::item_list},
};

constexpr Field kMenuItemFields[] = {
    {1, "command id", kU32},
    {2, "item flags", kU32, N::none, S::hex},
    {3, "caption", kWstr},
    {4, "image", kU32},
    {5, "image alternative", kU32},
    {6, "submenu", kBytes, N::submenu},
};

// A run of an information-bar text; only links carry a target.
constexpr Field kInfoTextRunFields[] = {
    {1, "run type", kU32},
    {2, "text", kWstr},
    Optional({3, "target", kWstr}),
};

// Indexed by the type's value; none first.
constexpr ValueTypeNames kValueTypeNames[] = {
    {__val::Type::none,  "none",  "nothing"},
    {__val::Type::u32,   "u32",   "an unsigned"},
    {__val::Type::i32,   "i32",   "a signed integer"},
    {__val::Type::size,  "size",  "a SIZE"},
    {__val::Type::rect,  "rect",  "a RECT"},
    {__val::Type::wstr,  "wstr",  "a wide string"},
    {__val::Type::bytes, "bytes", "a byte string"},
};

// clang-format on

}  // namespace

std::string HexText(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  return buffer;
}

std::span<const ValueTypeNames> ValueTypes() { return std::span(kValueTypeNames).subspan(1); }

const ValueTypeNames& NamesOf(__val::Type type) {
  const auto index = static_cast<std::size_t>(type);
  return index < std::size(kValueTypeNames) ? kValueTypeNames[index] : kValueTypeNames[0];
}

std::span<const KindSchema> Kinds() { return kKinds; }

const KindSchema* FindKind(int kind) {
  const auto found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                  [kind](const KindSchema& k) { return k.kind == kind; });
  return found == std::end(kKinds) ? nullptr : found;
}

std::string_view KindName(int kind) {
  const KindSchema* schema = FindKind(kind);
  return schema ? schema->name : std::string_view();
}

ButtonLayout DetectButtonLayout(const __packet& button) {
  const __val* key2 = button.find(2);
  return key2 && key2->type() == __val::Type::wstr ? ButtonLayout::text_shaped
                                                   : ButtonLayout::state_groups;
}

namespace {

const KindSchema* SchemaFor(int kind, const __packet& packet) {
  if (kind == kButton && DetectButtonLayout(packet) == ButtonLayout::text_shaped) {
    return &kTextShapedButton;
  }
  return FindKind(kind);
}

}  // namespace

const KindSchema* SchemaOf(const __packet& packet) {
  return packet.kind() ? SchemaFor(*packet.kind(), packet) : nullptr;
}

std::span<const Field> FieldsOf(int kind, const __packet& packet) {
  const KindSchema* schema = SchemaFor(kind, packet);
  return schema ? schema->fields : std::span<const Field>();
}

const Field* FindField(std::span<const Field> fields, int key) {
  const auto found =
      std::find_if(fields.begin(), fields.end(), [key](const Field& f) { return f.key == key; });
  return found == fields.end() ? nullptr : &*found;
}

const Field* CountFieldOf(std::span<const Field> fields, int container_key) {
  const auto found = std::find_if(fields.begin(), fields.end(), [container_key](const Field& f) {
    return f.container_key == container_key;
  });
  return found == fields.end() ? nullptr : &*found;
}

std::span<const Field> HintRecordFields() { return kHintFields; }
std::span<const Field> SubmenuFields() { return kSubmenuFields; }
std::span<const Field> MenuItemFields() { return kMenuItemFields; }
std::span<const Field> InfoTextRunFields() { return kInfoTextRunFields; }

}  // namespace ctrlelem::schema
