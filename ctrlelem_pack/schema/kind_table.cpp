#include "ctrlelem_pack/schema/kind_table.h"

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
    {key::window::kId, "element id", kU32},
    {key::window::kCaption, "caption", kWstr},
    Optional({key::window::kStyle, "window style", kU32, N::none, S::hex}),
    {key::window::kFlags, "window flags", kU32, N::none, S::hex},
    Optional({key::window::kReserved, "reserved", kU32}),
    Optional({key::window::kMinSize, "minimum size", kSize}),
    Optional({key::window::kMaxSize, "maximum size", kSize}),
    Optional({key::window::kInitialSize, "initial size", kSize}),
    {key::window::kTopKey, "top child key", kU32, N::none, S::decimal, key::window::kChildren},
    {key::window::kChildren, "children", kBytes, N::children},
};

constexpr Field kImageFields[] = {
    {key::image::kId, "element id", kU32},
    {key::image::kImage, "image", kU32},
    {key::image::kFlag, "image flag", kU32},
    {key::image::kAnchor, "anchor", kU32, N::none, S::hex},
    {key::image::kRect, "rect", kRect},
};

// Keys 1 to 10 of a text element; the text-shaped button uses the same keys.
#define CTRLELEM_TEXT_FIELDS(text_row, face_row)    \
  {key::text::kId, "element id", kU32},                          \
  text_row,                                         \
  {key::text::kColour, "colour", kU32, N::none, S::colour},          \
  {key::text::kBackground, "background", kU32, N::none, S::colour},      \
  face_row,                                         \
  {key::text::kSize, "font size", kU32},                           \
  {key::text::kStyle, "font style", kU32, N::none, S::hex},         \
  {key::text::kFormat, "format", kU32, N::none, S::hex},             \
  {key::text::kAnchor, "anchor", kU32, N::none, S::hex},             \
  {key::text::kRect, "rect", kRect}

// Background fills carry the unsigned 0 for the text and the font face.
constexpr Field kTextFields[] = {
    CTRLELEM_TEXT_FIELDS(ZeroStandsIn({key::text::kText, "text", kWstr | kU32}),
                         ZeroStandsIn({key::text::kFace, "font face", kWstr | kU32})),
};
constexpr Field kTextShapedButtonFields[] = {
    CTRLELEM_TEXT_FIELDS((Field{key::text::kText, "text", kWstr}), (Field{key::text::kFace, "font face", kWstr})),
};
#undef CTRLELEM_TEXT_FIELDS

// One state group: caption, layer count, layer container. Which of the three
// a button carries depends on its shape, so each may be absent.
#define CTRLELEM_STATE_GROUP(caption_key, label)                                              \
  Optional({caption_key, label " caption", kBytes, N::text}),                                 \
  Optional({caption_key + 1, label " layer count", kU32, N::none, S::decimal, caption_key + 2}), \
  Optional({caption_key + 2, label " layers", kBytes, N::layers})

constexpr Field kStateGroupButtonFields[] = {
    {key::control::kId, "control id", kU32},
    {key::control::kStyle, "style", kU32, N::none, S::hex},
    {key::control::kAnchor, "anchor", kU32, N::none, S::hex},
    {key::control::kRect, "rect", kRect},
    Optional({key::button::kHint, "hint", kBytes, N::hint}),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::first, 1).caption, "state 1"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::first, 2).caption, "state 2"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::first, 3).caption, "state 3"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::first, 4).caption, "state 4"),
    Optional({key::button::kSecondHint, "second hint", kBytes, N::hint}),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::second, 1).caption, "second state 1"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::second, 2).caption, "second state 2"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::second, 3).caption, "second state 3"),
    CTRLELEM_STATE_GROUP(GroupKeys(ButtonSet::second, 4).caption, "second state 4"),
};
#undef CTRLELEM_STATE_GROUP

constexpr Field kHintFields[] = {
    {key::hint::kCode, "hint code", kU32},
    {key::hint::kStyle, "style", kU32, N::none, S::hex},
    {key::hint::kIcon, "icon", kU32},
    {key::hint::kTitle, "title", kWstr},
    {key::hint::kText, "text", kWstr},
    {key::hint::kFlags, "tool flags", kU32, N::none, S::hex},
};

// Keys 1 to 4 of the control layout.
#define CTRLELEM_CONTROL_FIELDS          \
  {key::control::kId, "element id", kU32},               \
  {key::control::kStyle, "style", kU32, N::none, S::hex},   \
  {key::control::kAnchor, "anchor", kU32, N::none, S::hex},  \
  {key::control::kRect, "rect", kRect}

constexpr Field kStringFieldFields[] = {CTRLELEM_CONTROL_FIELDS,
                                        {key::control::kValue, "initial content", kBytes, N::empty_bytes}};
constexpr Field kInputFieldFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "hint", kBytes, N::input_hint}};
constexpr Field kStyledAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "reserved", kI32}};
constexpr Field kStringAreaFields[] = {CTRLELEM_CONTROL_FIELDS,
                                       {key::control::kValue, "initial content", kBytes, N::empty_bytes}};
constexpr Field kFramedAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "reserved", kI32}};
constexpr Field kImageSetAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "images", kBytes, N::layers}};
constexpr Field kCaptionedFieldFields[] = {
    CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "caption", kWstr}, {key::control::kCaptionedFieldHint, "hint", kBytes, N::hint}};
constexpr Field kEntryBoxFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "hint", kBytes, N::hint}};
constexpr Field kPictureFrameFields[] = {
    {key::control::kId, "element id", kU32},
    {key::control::kStyle, "picture code", kU32},
    {key::control::kAnchor, "anchor", kU32, N::none, S::hex},
    {key::control::kRect, "rect", kRect},
};
#undef CTRLELEM_CONTROL_FIELDS

constexpr Field kSplitViewFields[] = {
    {key::control::kId, "element id", kU32},
    {key::control::kStyle, "split flag", kU32},
    {key::control::kAnchor, "anchor", kU32, N::none, S::hex},
    {key::control::kRect, "rect", kRect},
    {key::split_view::kReserved, "reserved", kU32},
    {key::split_view::kSizeA, "size A", kU32},
    {key::split_view::kPane1TopKey, "pane 1 top key", kU32, N::none, S::decimal, key::split_view::kPane1},
    {key::split_view::kPane1, "pane 1", kBytes, N::children},
    {key::split_view::kSplitterCount, "splitter picture count", kU32, N::none, S::decimal,
     key::split_view::kSplitter},
    {key::split_view::kSplitter, "splitter", kBytes, N::layers},
    {key::split_view::kSizeB, "size B", kU32},
    {key::split_view::kPane2TopKey, "pane 2 top key", kU32, N::none, S::decimal, key::split_view::kPane2},
    {key::split_view::kPane2, "pane 2", kBytes, N::children},
};

constexpr Field kMenuFields[] = {
    {key::menu::kType, "menu type", kU32},
    {key::menu::kCount, "item count", kU32},
    {key::menu::kItems, "items", kBytes, N::item_list},
};

// Keys 1 to 3 of the area layout.
#define CTRLELEM_AREA_FIELDS             \
  {key::area::kId, "element id", kU32},               \
  {key::area::kAnchor, "anchor", kU32, N::none, S::hex},  \
  {key::area::kRect, "rect", kRect}

constexpr Field kInformationBarFields[] = {
    CTRLELEM_AREA_FIELDS,
    {key::area::kReserved, "reserved", kU32},
    {key::info_bar::kBackground, "background", kU32, N::none, S::colour},
    {key::info_bar::kLinkColour, "link colour", kU32, N::none, S::colour},
    {key::info_bar::kActiveLinkColour, "active link colour", kU32, N::none, S::colour},
    {key::info_bar::kFace, "font face", kWstr},
    {key::info_bar::kSize, "font size", kU32},
    {key::info_bar::kSecondReserved, "reserved", kU32},
    {key::info_bar::kIconCount, "icon count", kU32, N::none, S::decimal, key::info_bar::kIcons},
    {key::info_bar::kIcons, "icons", kBytes, N::layers},
    {key::info_bar::kTextCount, "text count", kU32, N::none, S::decimal, key::info_bar::kTexts},
    {key::info_bar::kTexts, "texts", kBytes, N::text_packet},
};
constexpr Field kIconLabelFields[] = {
    CTRLELEM_AREA_FIELDS,
    {key::area::kReserved, "reserved", kU32},
    {key::icon_label::kIcon, "icon", kBytes, N::image},
    {key::icon_label::kEdge, "edge", kBytes, N::image},
    {key::icon_label::kLabel, "label", kBytes, N::text},
};
constexpr Field kPlainAreaFields[] = {CTRLELEM_AREA_FIELDS, {key::area::kReserved, "reserved", kI32}};
constexpr Field kTwinImageFields[] = {
    CTRLELEM_AREA_FIELDS,
    {key::twin_image::kFirstImage, "first image", kU32},
    {key::twin_image::kSecondImage, "second image", kU32},
    {key::twin_image::kHint, "hint", kBytes, N::hint},
};
constexpr Field kPlainFrameFields[] = {CTRLELEM_AREA_FIELDS};
constexpr Field kHtmlViewFields[] = {
    CTRLELEM_AREA_FIELDS,
    {key::html_view::kPage, "page", kWstr},
    {key::html_view::kBackground, "background", kU32, N::none, S::colour},
};
#undef CTRLELEM_AREA_FIELDS

using St = Standing;
namespace img = key::image;
namespace txt = key::text;
namespace ctl = key::control;
namespace ar = key::area;

// kind, name, fields, id key, anchor key, rect key, where it stands.
constexpr KindSchema kKinds[] = {
    {kWindow, "window", kWindowFields, key::window::kId, 0, 0, St::top_level},
    {kImage, "image element", kImageFields, img::kId, img::kAnchor, img::kRect},
    {kText, "text element", kTextFields, txt::kId, txt::kAnchor, txt::kRect},
    {kButton, "button", kStateGroupButtonFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kHint, "hint", kHintFields, 0, 0, 0, St::nested},
    {kStringField, "string field", kStringFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kInputField, "input field", kInputFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kStyledArea, "styled area", kStyledAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kStringArea, "string area", kStringAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kMenu, "menu", kMenuFields, 0, 0, 0, St::top_level},
    {kPictureFrame, "picture frame", kPictureFrameFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kInformationBar, "information bar", kInformationBarFields, ar::kId, ar::kAnchor, ar::kRect},
    {kIconLabel, "icon label", kIconLabelFields, ar::kId, ar::kAnchor, ar::kRect},
    {kFramedArea, "framed area", kFramedAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kSplitView, "split view", kSplitViewFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kPlainArea, "plain area", kPlainAreaFields, ar::kId, ar::kAnchor, ar::kRect},
    {kTwinImage, "twin-image control", kTwinImageFields, ar::kId, ar::kAnchor, ar::kRect},
    {kImageSetArea, "image-set area", kImageSetAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kPaneWindow, "pane window", kWindowFields, key::window::kId, 0, 0},
    {kStripWindow, "strip window", kWindowFields, key::window::kId, 0, 0},
    {kPlainFrame, "plain frame", kPlainFrameFields, ar::kId, ar::kAnchor, ar::kRect},
    {kCaptionedField, "captioned field", kCaptionedFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kHtmlView, "HTML view", kHtmlViewFields, ar::kId, ar::kAnchor, ar::kRect},
    {kEntryBox, "entry box", kEntryBoxFields, ctl::kId, ctl::kAnchor, ctl::kRect},
};

// The button's second layout: a text element's keys under kind 4.
constexpr KindSchema kTextShapedButton = {kButton, "button", kTextShapedButtonFields,
                                          key::text::kId, key::text::kAnchor, key::text::kRect};

constexpr Field kSubmenuFields[] = {
    {key::menu::kType, "menu type", kU32},
    {key::menu::kCount, "item count", kU32},
    {key::menu::kItems, "items", kBytes, N::item_list},
};

constexpr Field kMenuItemFields[] = {
    {kItemCommand, "command id", kU32},
    {kItemFlags, "item flags", kU32, N::none, S::hex},
    {kItemCaption, "caption", kWstr},
    {kItemImage, "image", kU32},
    {kItemAlternative, "image alternative", kU32},
    {kItemSubmenu, "submenu", kBytes, N::submenu},
};

// A run of an information-bar text; only links carry a target.
constexpr Field kInfoTextRunFields[] = {
    {key::run::kType, "run type", kU32},
    {key::run::kText, "text", kWstr},
    Optional({key::run::kTarget, "target", kWstr}),
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
  const __val* key2 = button.find(key::text::kText);
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
