#include "ctrlelem_pack/schema/kind_table.h"

#include <algorithm>
#include <cstdio>

#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "language/infobar.h"

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

constexpr Field In(const Domain& domain, Field field) {
  field.domain = &domain;
  return field;
}

// ---- Value domains -----------------------------------------------------------

constexpr NamedValue kAnchorBits[] = {
    {kAnchorLeft, "left edge at a, width b"},
    {kAnchorTop, "top edge at c, height d"},
    {kAnchorRight, "left edge at W - a, width b (from the right)"},
    {kAnchorBottom, "top edge at H - c, height d (from the bottom)"},
    {kAnchorStretchX, "left edge at a, right edge at W - b (stretched)"},
    {kAnchorStretchY, "top edge at c, bottom edge at H - d (stretched)"},
    {kAnchorCentreX, "centred horizontally, then moved by a; width b"},
    {kAnchorCentreY, "centred vertically, then moved by c; height d"},
    {kAnchorCoverParent, "covers the parent (only with 0x60, on button captions)"},
};
constexpr Domain kAnchorDomain = {
    "anchor flags",
    "anchor flags: how the placement rectangle (a, b, c, d) is read in the parent's area W by H; "
    "each axis by its own bits; 0x2|0x80 puts the left edge at W/2 + a, 0x2|0x20|0x80 and "
    "0x8|0x20|0x80 are the left and right halves; 0 reads the rectangle as absolute edges "
    "(image elements: left, top, width, height)",
    kAnchorBits, true};

constexpr Domain kRectDomain = {
    "placement rectangle",
    "placement rectangle: four signed members (a, b, c, d) in stored order (left, top, right, "
    "bottom), 96-dpi pixels, read by the anchor flags"};
constexpr Domain kWindowSizeDomain = {
    "window size",
    "outer window size (cx, cy) in 96-dpi pixels; (0, 0) for none; the main window's sizes are "
    "scaled to the screen's resolution when the descriptions are built"};
constexpr Domain kPixelsDomain = {"pixels", "96-dpi pixels"};

constexpr NamedValue kTextBackgroundValues[] = {
    {kTransparent, "transparent: the text is drawn over the pictures below it"},
};
constexpr Domain kColourDomain = {
    "colour",
    "colour, COLORREF 0x00BBGGRR: red in the lowest byte, blue in the third (0x0000FF is red, "
    "0xFF0000 blue)"};
constexpr Domain kTextBackgroundDomain = {
    "text background",
    "colour, COLORREF 0x00BBGGRR: red in the lowest byte, blue in the third; a real colour "
    "paints the element's area",
    kTextBackgroundValues, false, S::hex};

// What size 0 stands for; the layout model takes kDefaultTextSize.
static_assert(kDefaultTextSize == 8, "the font size domain below names 8 points");
constexpr NamedValue kFontSizeValues[] = {
    {0,
     "the host's default font, its dialog font, which the layout model takes as 8 points "
     "(background fills carry 0 with no text)"},
};
constexpr Domain kFontSizeDomain = {"font size", "font size in points", kFontSizeValues};

constexpr NamedValue kFontStyleBits[] = {
    {kFontStyleLabel, "label and caption texts (laid out bold)"},
    {kFontStyleLink, "link texts (laid out underlined)"},
    {kFontStyleFourth, "the caption of a button's fourth state (disabled)"},
};
constexpr Domain kFontStyleDomain = {"font style", "font style bits", kFontStyleBits, true};

constexpr NamedValue kFormatBits[] = {
    {kFormatCentre, "DT_CENTER"},         {kFormatRight, "DT_RIGHT"},
    {kFormatVCentre, "DT_VCENTER"},       {kFormatWordBreak, "DT_WORDBREAK"},
    {kFormatSingleLine, "DT_SINGLELINE"}, {kFormatEllipsis, "DT_END_ELLIPSIS"},
};
constexpr Domain kFormatDomain = {"text format", "text format bits, the Win32 DrawText flags",
                                  kFormatBits, true};

constexpr NamedValue kButtonStyleValues[] = {
    {kButtonPicture, "picture button (with or without caption); most buttons"},
    {kButtonText, "text button (captions only)"},
    {kButtonTwoSetPicture, "two-set picture button"},
    {kButtonTwoSetText, "two-set text-only button"},
    {kButtonFlat, "text-only or picture button"},
    {kButtonTwoSetFlat, "two-set picture button"},
    {kButtonFlatText, "text button"},
    {kButtonFlatTextAlt, "text-only button"},
    {kButtonLink, "link-like text-only button (blue captions)"},
    {kButtonHalf, "two-set picture button with four layers in every state (left and right halves)"},
};
constexpr Domain kButtonStyleDomain = {
    "button style",
    "button style word; every one has bit 0x40, and bit 0x4 marks most two-set buttons",
    kButtonStyleValues, false, S::hex};
constexpr Domain kControlStyleDomain = {"control style",
                                        "style word of the control; what it selects is the host's"};

// Window style bit 0x1, and the flag word of the split-view panes.
constexpr std::uint32_t kWindowSizable = 0x1;
constexpr std::uint32_t kWindowPane = 0x6;
constexpr NamedValue kWindowStyleBits[] = {
    {kWindowSizable, "sizable: the maximum size differs from the minimum, or is (0, 0)"},
};
constexpr Domain kWindowStyleDomain = {
    "window style", "window style bits; values in use 4, 5, 20, 21 and 44", kWindowStyleBits, true};
constexpr NamedValue kWindowFlagValues[] = {
    {kWindowFramed, "most windows and every dialog"},
    {kWindowPlain, "the small form and notice windows"},
    {kWindowPane, "a split-view pane window (key 8 absent)"},
};
constexpr Domain kWindowFlagsDomain = {"window flags", "window flag word", kWindowFlagValues, false,
                                       S::hex};
constexpr Domain kZeroDomain = {"reserved", "always 0"};

constexpr Domain kElementIdDomain = {
    "element id",
    "the number by which the host finds the element; unique only where the host needs it"};
constexpr Domain kDescriptionIdDomain = {
    "window id", "element id; in a registered window, the id it is registered under"};

constexpr NamedValue kImageNumberBits[] = {
    {kFourthStateImage, "the fourth state's look of the picture (in the fourth state groups)"},
};
constexpr Domain kImageNumberDomain = {
    "image number", "image number: a picture of the host's image set", kImageNumberBits, true};
constexpr NamedValue kImageFlagValues[] = {
    {0, "plain"},
    {1, "a wide picture stretched between margins"},
};
constexpr Domain kImageFlagDomain = {"image flag", "image flag", kImageFlagValues};

constexpr NamedValue kHintCodeValues[] = {
    {kHintCode, "ordinary hint"},
    {kHintCodeSecond, "hint of a button's second set"},
    {kHintCodeBalloon, "balloon hint of an input element"},
};
constexpr Domain kHintCodeDomain = {"hint code", "hint code", kHintCodeValues};
constexpr NamedValue kHintStyleValues[] = {{0, "ordinary"}, {kTooltipBalloon, "TTS_BALLOON"}};
constexpr Domain kHintStyleDomain = {"hint style", "tooltip style", kHintStyleValues, false,
                                     S::hex};
constexpr NamedValue kHintIconValues[] = {{0, "none"}, {kTooltipWarning, "TTI_WARNING"}};
constexpr Domain kHintIconDomain = {"hint icon", "tooltip icon", kHintIconValues};
constexpr NamedValue kToolFlagBits[] = {{kTooltipSubclass, "TTF_SUBCLASS (ordinary hints)"},
                                        {kTooltipTrack, "TTF_TRACK (balloon hints)"}};
constexpr Domain kToolFlagsDomain = {"tool flags", "tooltip tool flags", kToolFlagBits, true};

constexpr Domain kStringDomain = {
    "text",
    "a localised string reference (string N of table 1 or 2), a literal text or a formatted "
    "label"};

constexpr NamedValue kStateNames[] = {{1, "normal"}, {2, "hover"}, {3, "pressed"}, {4, "disabled"}};
constexpr Domain kStateGroupDomain = {
    "state group", "a state group: caption, layer count, layer container; state 1 to 4 of a set",
    kStateNames};

constexpr NamedValue kPictureCodeValues[] = {{105, "picture code 105"},
                                             {106, "picture code 106"},
                                             {0, "none"},
                                             {0xFFFFFFFF, "all bits set"}};
constexpr Domain kPictureCodeDomain = {
    "picture code", "picture code; what it selects is the host's", kPictureCodeValues};
constexpr NamedValue kSplitFlagValues[] = {{0, "outer split view"}, {1, "inner split view"}};
constexpr Domain kSplitFlagDomain = {"split flag", "split flag", kSplitFlagValues};

constexpr NamedValue kMenuTypeValues[] = {{kMenuBarType, "menu bar"}, {kMenuPopupType, "popup"}};
constexpr Domain kMenuTypeDomain = {"menu type", "menu type code", kMenuTypeValues};
constexpr Domain kItemCountDomain = {
    "item count",
    "number of items, separators included: the top key of the item list divided by 6"};
constexpr NamedValue kCommandValues[] = {{kMenuSeparator, "separator (the item's only key)"}};
constexpr Domain kCommandDomain = {"command id", "menu command id", kCommandValues, false, S::hex};
constexpr NamedValue kItemFlagValues[] = {{kMenuItemGrayed, "MF_GRAYED"},
                                          {kMenuItemDisabled, "MF_DISABLED"}};
constexpr Domain kItemFlagsDomain = {"menu item flags", "menu item flags; 0 for none",
                                     kItemFlagValues, true};
constexpr NamedValue kItemAlternativeValues[] = {{kMenuNoPicture, "the item has no picture"}};
constexpr Domain kItemAlternativeDomain = {
    "item without picture", "stands beside image number 0 or none", kItemAlternativeValues};
constexpr Domain kMenuImageDomain = {"menu image",
                                     "image number of the item's picture; 0 for none"};

constexpr Domain kFaceDomain = {
    "font face",
    "font face: a string reference (string 20 of table 2 on texts, of table 1 on information "
    "bars)"};

constexpr Domain kPageDomain = {
    "page",
    "the page, a res:// address of the host executable stored with doubled percent signs "
    "(\"%%23\"), or the empty text"};

constexpr NamedValue kRunTypeValues[] = {{language::kInfoRunPlain, "plain text"},
                                         {language::kInfoRunLink, "link (key 3 its target)"}};
constexpr Domain kRunTypeDomain = {"run type", "run type", kRunTypeValues};

// The tables below keep one row per key, as the schema lists them.
// clang-format off

// Keys 1 to 10 of a window, and of the pane and strip windows that stand as
// children in another description. Dialogs leave out keys 5 to 7 (the second
// dialog family key 3 too), and the panes whose flag word is 6 key 8.
constexpr Field kWindowFields[] = {
    In(kDescriptionIdDomain, {key::window::kId, "element id", kU32}),
    In(kStringDomain, {key::window::kCaption, "caption", kWstr}),
    In(kWindowStyleDomain, Optional({key::window::kStyle, "window style", kU32, N::none, S::hex})),
    In(kWindowFlagsDomain, {key::window::kFlags, "window flags", kU32, N::none, S::hex}),
    In(kZeroDomain, Optional({key::window::kReserved, "reserved", kU32})),
    In(kWindowSizeDomain, Optional({key::window::kMinSize, "minimum size", kSize})),
    In(kWindowSizeDomain, Optional({key::window::kMaxSize, "maximum size", kSize})),
    In(kWindowSizeDomain, Optional({key::window::kInitialSize, "initial size", kSize})),
    {key::window::kTopKey, "top child key", kU32, N::none, S::decimal, key::window::kChildren},
    {key::window::kChildren, "children", kBytes, N::children},
};

constexpr Field kImageFields[] = {
    In(kElementIdDomain, {key::image::kId, "element id", kU32}),
    In(kImageNumberDomain, {key::image::kImage, "image", kU32}),
    In(kImageFlagDomain, {key::image::kFlag, "image flag", kU32}),
    In(kAnchorDomain, {key::image::kAnchor, "anchor", kU32, N::none, S::hex}),
    In(kRectDomain, {key::image::kRect, "rect", kRect}),
};

// Keys 1 to 10 of a text element; the text-shaped button uses the same keys.
#define CTRLELEM_TEXT_FIELDS(text_row, face_row)    \
  In(kElementIdDomain, {key::text::kId, "element id", kU32}),                          \
  In(kStringDomain, text_row),                                         \
  In(kColourDomain, {key::text::kColour, "colour", kU32, N::none, S::colour}),          \
  In(kTextBackgroundDomain, {key::text::kBackground, "background", kU32, N::none, S::colour}),      \
  In(kFaceDomain, face_row),                                         \
  In(kFontSizeDomain, {key::text::kSize, "font size", kU32}),                           \
  In(kFontStyleDomain, {key::text::kStyle, "font style", kU32, N::none, S::hex}),         \
  In(kFormatDomain, {key::text::kFormat, "format", kU32, N::none, S::hex}),             \
  In(kAnchorDomain, {key::text::kAnchor, "anchor", kU32, N::none, S::hex}),             \
  In(kRectDomain, {key::text::kRect, "rect", kRect})

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
  In(kStateGroupDomain, Optional({caption_key, label " caption", kBytes, N::text})),                                 \
  In(kStateGroupDomain, Optional({caption_key + 1, label " layer count", kU32, N::none, S::decimal, caption_key + 2})), \
  In(kStateGroupDomain, Optional({caption_key + 2, label " layers", kBytes, N::layers}))

constexpr Field kStateGroupButtonFields[] = {
    In(kElementIdDomain, {key::control::kId, "control id", kU32}),
    In(kButtonStyleDomain, {key::control::kStyle, "style", kU32, N::none, S::hex}),
    In(kAnchorDomain, {key::control::kAnchor, "anchor", kU32, N::none, S::hex}),
    In(kRectDomain, {key::control::kRect, "rect", kRect}),
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
    In(kHintCodeDomain, {key::hint::kCode, "hint code", kU32}),
    In(kHintStyleDomain, {key::hint::kStyle, "style", kU32, N::none, S::hex}),
    In(kHintIconDomain, {key::hint::kIcon, "icon", kU32}),
    In(kStringDomain, {key::hint::kTitle, "title", kWstr}),
    In(kStringDomain, {key::hint::kText, "text", kWstr}),
    In(kToolFlagsDomain, {key::hint::kFlags, "tool flags", kU32, N::none, S::hex}),
};

// Keys 1 to 4 of the control layout.
#define CTRLELEM_CONTROL_FIELDS          \
  In(kElementIdDomain, {key::control::kId, "element id", kU32}),               \
  In(kControlStyleDomain, {key::control::kStyle, "style", kU32, N::none, S::hex}),   \
  In(kAnchorDomain, {key::control::kAnchor, "anchor", kU32, N::none, S::hex}),  \
  In(kRectDomain, {key::control::kRect, "rect", kRect})

constexpr Field kStringFieldFields[] = {CTRLELEM_CONTROL_FIELDS,
                                        {key::control::kValue, "initial content", kBytes, N::empty_bytes}};
constexpr Field kInputFieldFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "hint", kBytes, N::input_hint}};
constexpr Field kStyledAreaFields[] = {CTRLELEM_CONTROL_FIELDS, In(kZeroDomain, {key::control::kValue, "reserved", kI32})};
constexpr Field kStringAreaFields[] = {CTRLELEM_CONTROL_FIELDS,
                                       {key::control::kValue, "initial content", kBytes, N::empty_bytes}};
constexpr Field kFramedAreaFields[] = {CTRLELEM_CONTROL_FIELDS, In(kZeroDomain, {key::control::kValue, "reserved", kI32})};
constexpr Field kImageSetAreaFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "images", kBytes, N::layers}};
constexpr Field kCaptionedFieldFields[] = {
    CTRLELEM_CONTROL_FIELDS, In(kStringDomain, {key::control::kValue, "caption", kWstr}), {key::control::kCaptionedFieldHint, "hint", kBytes, N::hint}};
constexpr Field kEntryBoxFields[] = {CTRLELEM_CONTROL_FIELDS, {key::control::kValue, "hint", kBytes, N::hint}};
constexpr Field kPictureFrameFields[] = {
    In(kElementIdDomain, {key::control::kId, "element id", kU32}),
    In(kPictureCodeDomain, {key::control::kStyle, "picture code", kU32}),
    In(kAnchorDomain, {key::control::kAnchor, "anchor", kU32, N::none, S::hex}),
    In(kRectDomain, {key::control::kRect, "rect", kRect}),
};
#undef CTRLELEM_CONTROL_FIELDS

constexpr Field kSplitViewFields[] = {
    In(kElementIdDomain, {key::control::kId, "element id", kU32}),
    In(kSplitFlagDomain, {key::control::kStyle, "split flag", kU32}),
    In(kAnchorDomain, {key::control::kAnchor, "anchor", kU32, N::none, S::hex}),
    In(kRectDomain, {key::control::kRect, "rect", kRect}),
    In(kZeroDomain, {key::split_view::kReserved, "reserved", kU32}),
    In(kPixelsDomain, {key::split_view::kSizeA, "size A", kU32}),
    {key::split_view::kPane1TopKey, "pane 1 top key", kU32, N::none, S::decimal, key::split_view::kPane1},
    {key::split_view::kPane1, "pane 1", kBytes, N::children},
    {key::split_view::kSplitterCount, "splitter picture count", kU32, N::none, S::decimal,
     key::split_view::kSplitter},
    {key::split_view::kSplitter, "splitter", kBytes, N::layers},
    In(kPixelsDomain, {key::split_view::kSizeB, "size B", kU32}),
    {key::split_view::kPane2TopKey, "pane 2 top key", kU32, N::none, S::decimal, key::split_view::kPane2},
    {key::split_view::kPane2, "pane 2", kBytes, N::children},
};

constexpr Field kMenuFields[] = {
    In(kMenuTypeDomain, {key::menu::kType, "menu type", kU32}),
    In(kItemCountDomain, {key::menu::kCount, "item count", kU32}),
    {key::menu::kItems, "items", kBytes, N::item_list},
};

// Keys 1 to 3 of the area layout.
#define CTRLELEM_AREA_FIELDS             \
  In(kElementIdDomain, {key::area::kId, "element id", kU32}),               \
  In(kAnchorDomain, {key::area::kAnchor, "anchor", kU32, N::none, S::hex}),  \
  In(kRectDomain, {key::area::kRect, "rect", kRect})

constexpr Field kInformationBarFields[] = {
    CTRLELEM_AREA_FIELDS,
    In(kZeroDomain, {key::area::kReserved, "reserved", kU32}),
    In(kColourDomain, {key::info_bar::kBackground, "background", kU32, N::none, S::colour}),
    In(kColourDomain, {key::info_bar::kLinkColour, "link colour", kU32, N::none, S::colour}),
    In(kColourDomain, {key::info_bar::kActiveLinkColour, "active link colour", kU32, N::none, S::colour}),
    In(kFaceDomain, {key::info_bar::kFace, "font face", kWstr}),
    In(kFontSizeDomain, {key::info_bar::kSize, "font size", kU32}),
    In(kZeroDomain, {key::info_bar::kSecondReserved, "reserved", kU32}),
    {key::info_bar::kIconCount, "icon count", kU32, N::none, S::decimal, key::info_bar::kIcons},
    {key::info_bar::kIcons, "icons", kBytes, N::layers},
    {key::info_bar::kTextCount, "text count", kU32, N::none, S::decimal, key::info_bar::kTexts},
    {key::info_bar::kTexts, "texts", kBytes, N::text_packet},
};
constexpr Field kIconLabelFields[] = {
    CTRLELEM_AREA_FIELDS,
    In(kZeroDomain, {key::area::kReserved, "reserved", kU32}),
    {key::icon_label::kIcon, "icon", kBytes, N::image},
    {key::icon_label::kEdge, "edge", kBytes, N::image},
    {key::icon_label::kLabel, "label", kBytes, N::text},
};
constexpr Field kPlainAreaFields[] = {CTRLELEM_AREA_FIELDS, In(kZeroDomain, {key::area::kReserved, "reserved", kI32})};
constexpr Field kTwinImageFields[] = {
    CTRLELEM_AREA_FIELDS,
    In(kImageNumberDomain, {key::twin_image::kFirstImage, "first image", kU32}),
    In(kImageNumberDomain, {key::twin_image::kSecondImage, "second image", kU32}),
    {key::twin_image::kHint, "hint", kBytes, N::hint},
};
constexpr Field kPlainFrameFields[] = {CTRLELEM_AREA_FIELDS};
constexpr Field kHtmlViewFields[] = {
    CTRLELEM_AREA_FIELDS,
    In(kPageDomain, {key::html_view::kPage, "page", kWstr}),
    In(kColourDomain, {key::html_view::kBackground, "background", kU32, N::none, S::colour}),
};
#undef CTRLELEM_AREA_FIELDS

using St = Standing;
namespace img = key::image;
namespace txt = key::text;
namespace ctl = key::control;
namespace ar = key::area;

// kind, name, fields, id key, anchor key, rect key, where it stands.
constexpr KindSchema kKinds[] = {
    {kWindow, "window", kWindowFields, key::window::kId, 0, 0, St::top_level,
     "Registered under its element id. Dialogs leave out keys 5 to 7 (one dialog family key 3 "
     "too). Children stand in the container of key 10 under keys 1 to key 9, gaps allowed."},
    {kImage, "image element", kImageFields, img::kId, img::kAnchor, img::kRect},
    {kText, "text element", kTextFields, txt::kId, txt::kAnchor, txt::kRect, St::child,
     "A background fill carries the unsigned 0 in keys 2 and 5 to 8 and paints its area in the "
     "background colour of key 4."},
    {kButton, "button", kStateGroupButtonFields, ctl::kId, ctl::kAnchor, ctl::kRect, St::child,
     "Two layouts, told by the type of key 2: an unsigned style word (the state-group layout) or "
     "a wide string caption (the text-shaped layout, a text element's keys). A state group is "
     "the caption, layer count and layer container of one state: keys 6 to 17 hold states 1 to 4 "
     "(normal, hover, pressed, disabled), keys 19 to 30 the same four of the second set, shown "
     "when the button is checked. A group has a caption with n >= 1 layers, layers alone, a "
     "caption with count 0 and no container, or a caption alone; the four groups of a set share "
     "one shape."},
    {kHint, "hint", kHintFields, 0, 0, 0, St::nested,
     "Two forms: ordinary (code 2 or 3, 0, 0, title, text, 0x10) and balloon (1002, 0x40, 2, "
     "title, text, 0x20). Input elements may carry the same six keys in a packet without kind."},
    {kStringField, "string field", kStringFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kInputField, "input field", kInputFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kStyledArea, "styled area", kStyledAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kStringArea, "string area", kStringAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kMenu, "menu", kMenuFields, 0, 0, 0, St::top_level,
     "Registered under ids of its own and attached by the host; its items are six-key groups in "
     "the item list, not element descriptions."},
    {kPictureFrame, "picture frame", kPictureFrameFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kInformationBar, "information bar", kInformationBarFields, ar::kId, ar::kAnchor, ar::kRect,
     St::child,
     "Key 13 counts the texts parsed into key 14, not the icons; links are drawn in the colour of "
     "key 6, active links in that of key 7."},
    {kIconLabel, "icon label", kIconLabelFields, ar::kId, ar::kAnchor, ar::kRect},
    {kFramedArea, "framed area", kFramedAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kSplitView, "split view", kSplitViewFields, ctl::kId, ctl::kAnchor, ctl::kRect, St::child,
     "Two panes with a splitter between them; key 11 is stored before key 7."},
    {kPlainArea, "plain area", kPlainAreaFields, ar::kId, ar::kAnchor, ar::kRect},
    {kTwinImage, "twin-image control", kTwinImageFields, ar::kId, ar::kAnchor, ar::kRect},
    {kImageSetArea, "image-set area", kImageSetAreaFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kPaneWindow, "pane window", kWindowFields, key::window::kId, 0, 0, St::child,
     "A window's keys, standing as a child in another description; no placement rectangle."},
    {kStripWindow, "strip window", kWindowFields, key::window::kId, 0, 0, St::child,
     "A window's keys, standing as a child in another description; no placement rectangle."},
    {kPlainFrame, "plain frame", kPlainFrameFields, ar::kId, ar::kAnchor, ar::kRect},
    {kCaptionedField, "captioned field", kCaptionedFieldFields, ctl::kId, ctl::kAnchor, ctl::kRect},
    {kHtmlView, "HTML view", kHtmlViewFields, ar::kId, ar::kAnchor, ar::kRect},
    {kEntryBox, "entry box", kEntryBoxFields, ctl::kId, ctl::kAnchor, ctl::kRect},
};

// The button's second layout: a text element's keys under kind 4.
constexpr KindSchema kTextShapedButton = {
    kButton, "button", kTextShapedButtonFields, key::text::kId, key::text::kAnchor,
    key::text::kRect, St::child,
    "The text-shaped layout: key 2 is a wide string, and the keys are a text element's. With "
    "anchor flags 0 the rectangle gives left, top, right and bottom."};

constexpr Field kSubmenuFields[] = {
    In(kMenuTypeDomain, {key::menu::kType, "menu type", kU32}),
    In(kItemCountDomain, {key::menu::kCount, "item count", kU32}),
    {key::menu::kItems, "items", kBytes, N::item_list},
};

constexpr Field kMenuItemFields[] = {
    In(kCommandDomain, {kItemCommand, "command id", kU32}),
    In(kItemFlagsDomain, {kItemFlags, "item flags", kU32, N::none, S::hex}),
    In(kStringDomain, {kItemCaption, "caption", kWstr}),
    In(kMenuImageDomain, Optional({kItemImage, "image", kU32})),
    In(kItemAlternativeDomain, Optional({kItemAlternative, "image alternative", kU32})),
    Optional({kItemSubmenu, "submenu", kBytes, N::submenu}),
};

// A run of an information-bar text; only links carry a target.
constexpr Field kInfoTextRunFields[] = {
    In(kRunTypeDomain, {key::run::kType, "run type", kU32}),
    {key::run::kText, "text", kWstr},
    Optional({key::run::kTarget, "target", kWstr}),
};

// Indexed by the role's value.
constexpr NestedDescription kNestedDescriptions[] = {
    {"none", "not a nested packet"},
    {"children", "a container without kind: element descriptions of any kind that stands in a "
                 "container, child i under key i from 1, gaps allowed"},
    {"layers", "a container without kind: image elements (kind 2) under keys 1 to the count"},
    {"hint", "a hint: kind 5, or a packet without kind with the hint's six keys"},
    {"input_hint", "a hint (kind 5, or its six keys without kind), an empty packet without kind, "
                   "or the empty byte string"},
    {"text", "one text element (kind 3)"},
    {"image", "one image element (kind 2)"},
    {"item_list", "a menu item list without kind: item n uses keys 6(n-1)+1 to 6(n-1)+6"},
    {"submenu", "a submenu: a packet without kind with a menu's keys 1 to 3 (type 13)"},
    {"text_packet", "the parsed texts without kind: text i under key i, each a packet without "
                    "kind of runs under keys 1 to m"},
    {"empty_bytes", "the empty byte string"},
};

static_assert(std::size(kNestedDescriptions) == static_cast<std::size_t>(Nested::empty_bytes) + 1,
              "one description per role, in the enum's order");

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

const KindSchema& TextShapedButtonSchema() { return kTextShapedButton; }

const NestedDescription& Describe(Nested role) {
  const auto index = static_cast<std::size_t>(role);
  return index < std::size(kNestedDescriptions) ? kNestedDescriptions[index]
                                                : kNestedDescriptions[0];
}

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
