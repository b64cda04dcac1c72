// The layout model: where every element of a description stands at a given
// window size, what shows, and whether its text fits. Everything that draws a
// description or judges it (the tool's pictures, its translation checks, a
// host) reads this one answer instead of placing elements itself.
//
// The rules, written down once:
// - Placement: each element's box is PlaceChild() of its anchor flags and
//   rectangle inside its parent's box (the parent's area, not the window), so a
//   nested box is always its parent's box plus the placed offsets. Pane and
//   strip windows have no rectangle: one with an initial size stands at its
//   parent's top left at that size, the others fill their parent.
// - Drawing order: a parent, then its children in key order (a button: its
//   layers, then its caption, so a caption is always above its pictures). Of a
//   button only one state group is laid out, the one asked for; elements that
//   replace each other at run time are never drawn together.
// - Text: DrawText semantics. A text is broken at spaces when its format asks
//   for word breaks (0x10), or when it is not held to one line (0x20) and its
//   box holds two lines of its font, as the host's static controls do; line
//   feeds always break unless the format is single line. Lines follow each
//   other at the measurer's LineHeight; a text needs that step for every line
//   but its last, which needs only the font's CharacterHeight (the em height
//   the font is made with: the gap below the last line may be cut). '&' marks
//   an access key and is not drawn ("&&" draws one '&'). End ellipsis (0x8000)
//   cuts a too-wide line with "...".
// - Fitting: a text fits in width when its widest line (the whole text for one
//   line) is no wider than its box, and in height when its lines together are
//   no taller than its box. An ellipsis does not make a text fit: it hides the
//   rest. Its lines must also stay inside the window: a box that reaches past
//   the window's edge is cut there (inside a split view's panes, which the
//   host sizes, only the box counts). A text whose box does not show at all
//   is not judged.
// - Visibility: an element is visible when some of it lies inside all its
//   ancestors' boxes and no opaque element drawn after it (pictures, fields,
//   filled texts, picture frames, HTML views, information bars, push-button
//   faces) covers what is left of it. Areas, frames, panes and windows nested
//   in windows are outlines: they hide nothing.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "language/packet.h"

namespace ctrlelem::layout {

// A rectangle in pixels of the laid-out window: x and y from its top left.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  // Edges past the int range (foreign rectangles) stop at its ends.
  int right() const { return Saturated(static_cast<long long>(x) + width); }
  int bottom() const { return Saturated(static_cast<long long>(y) + height); }
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Box&, const Box&) = default;

 private:
  static int Saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
  }
};

// The part two boxes share; empty (0 by 0 at a's origin) where they do not meet.
[[nodiscard]] Box Intersect(const Box& a, const Box& b);

// A font as a description asks for it. Size 0 in a description is the host's
// dialog font size, 8 points; font style bit 0x1 is bold, 0x2 underlined
// (links).
struct Font {
  std::wstring face;
  int point_size = 9;
  int weight = 400;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Text measurement, as the host's screen does it. The tool passes the screen
// layer's (ScreenMeasurer in the tool); a host passes one built on its own
// GetTextExtentPoint32W and GetTextMetricsW.
class Measurer {
 public:
  virtual ~Measurer() = default;
  // The width of each text drawn on one line in the font, in device pixels.
  virtual std::vector<int> Widths(const Font& font, std::span<const std::wstring_view> texts) = 0;
  // The height of one line of the font (tmHeight): the step between lines.
  virtual int LineHeight(const Font& font) = 0;
  // The font's character (em) height: MulDiv(points, LOGPIXELSY, 72).
  virtual int CharacterHeight(const Font& font) = 0;
};

// One line of a laid-out text.
struct TextLine {
  std::wstring text;  // as drawn: access-key marks removed, "..." where cut
  int x = 0;          // from the text box's left (centred or right-aligned)
  int y = 0;          // from the text box's top
  int width = 0;
  // The index in `text` of the underlined access-key character, if any.
  std::optional<std::size_t> access_key;
};

// A text laid out in its box.
struct TextLayout {
  std::vector<TextLine> lines;
  int line_height = 0;
  int character_height = 0;
  bool wraps = false;     // broken at spaces (the rule above)
  int needed_width = 0;   // the widest line before any ellipsis
  int needed_height = 0;  // the lines' total height
  bool fits_width = true;
  bool fits_height = true;
};

// Lays out a text in a box of the given size with DrawText format bits
// (ctrlelem_pack/schema/constants.h). Linear in the text's length.
[[nodiscard]] TextLayout LayOutText(std::wstring_view text, const Font& font, std::uint32_t format,
                                    int width, int height, Measurer& measurer);

// The text an element shows.
struct ElementText {
  std::wstring text;  // as stored
  Font font;
  std::uint32_t format = 0;
  std::uint32_t colour = 0;  // COLORREF; of an information bar's text, its links' colour
  std::uint32_t style = 0;   // the font style bits as stored (0x8: a fourth state's caption)
  Box box;                   // where the text is laid out (may differ from the element's)
  Box visible;               // the part of that box inside the window
  TextLayout layout;
};

// One run of an information bar's text, placed on its one line.
struct TextRun {
  std::wstring text;
  bool link = false;
  int x = 0;  // from the text box's left
  int width = 0;
};

// How the host draws a button, from its style word, shape and control id.
enum class ButtonLook : std::uint8_t {
  none,       // not a button
  pictures,   // layers and a caption over them
  push,       // a push button face with its caption centred
  check_box,  // a check square, then the caption
  link,       // the caption alone, underlined
};

// Which of a button's looks to lay out: one of the four state groups of the
// first set, or the first group of the second set (falling back to the first
// set where there is none).
enum class ButtonState : std::uint8_t { normal, hover, pressed, disabled, checked };
inline constexpr int kButtonStateCount = 5;
[[nodiscard]] std::string_view ButtonStateName(ButtonState state);
[[nodiscard]] std::optional<ButtonState> ParseButtonState(std::string_view name);

// What a laid-out entry is: an element description, or one of the pieces a
// menu or an information bar is drawn as.
enum class Part : std::uint8_t {
  element,        // a packet with a kind: `kind` says which
  menu_bar_item,  // a cell of a menu bar
  popup,          // an open submenu
  menu_item,      // an item (or separator) of a popup
  info_text,      // one text of an information bar, in runs
};

// A hint record of an element, as the host turns it into a tooltip. Its
// style, icon and flags are the Win32 tooltip constants the record carries
// (TTS_BALLOON, TTI_WARNING, TTF_SUBCLASS, TTF_TRACK).
struct Hint {
  int key = 0;             // the element's key it stands under: a button's first (5) or second (18)
  std::uint32_t code = 0;  // 2 ordinary, 3 a button's second set, 1002 a warning balloon
  std::uint32_t style = 0;
  std::uint32_t icon = 0;
  std::wstring title;
  std::wstring text;
  std::uint32_t flags = 0;
};

// One laid-out element.
struct Element {
  std::string path;  // as `ctrlelem check` spells it: "3 > key 10 > child 5 > key 8 > layer 2"
  int depth = 0;     // 0 for the description itself
  Part part = Part::element;
  int kind = 0;          // 0 for menu items, popups and information-bar texts
  std::uint32_t id = 0;  // element id, or a menu item's command id
  Box box;               // where it stands
  Box clip;              // the box cut by every ancestor's box
  bool opaque = false;   // hides what was drawn before it
  bool visible = true;   // see the header comment
  // Shown in place of an earlier sibling when the host turns to it (the second
  // and later texts of an information bar): laid out and judged, not drawn.
  bool alternate = false;
  // The colour the element paints its box with: background fills, filled
  // labels, information bars, HTML views.
  std::optional<std::uint32_t> fill;
  // Of a button and what its state group holds: the state it was laid out in.
  std::optional<ButtonState> state;
  ButtonLook look = ButtonLook::none;
  std::optional<std::uint32_t> image;  // an image element's or menu item's picture number
  std::optional<ElementText> text;
  std::vector<TextRun> runs;  // an information bar's text
  // The element's hints with a title or a text, in key order: buttons, the
  // twin-image control and the input elements carry them.
  std::vector<Hint> hints;
  // Menu items: the item flags and whether it opens a submenu or is a separator.
  std::uint32_t menu_flags = 0;
  bool separator = false;
  bool submenu = false;
};

// The splitter between a split view's two panes, in pixels across; a host
// that moves it keeps a pane at most the view's extent less this.
inline constexpr int kSplitterThickness = 4;

// What an element is, in words: its kind's name, or for the parts of menus and
// information bars "menu bar item", "popup", "menu item", "separator",
// "information text". `ctrlelem layout` and hosts that report their layout
// name elements alike with it.
[[nodiscard]] std::string_view ElementName(const Element& element);

struct Options {
  // The root's id for paths; 0: the description's own element id (key 1).
  std::uint32_t id = 0;
  ButtonState state = ButtonState::normal;
  // Lay out every state group of every button (each under its own state), as
  // checks do, instead of the one state above.
  bool all_states = false;
  // Paths of elements left out together with everything inside them.
  std::vector<std::string> hide;
  // The system metrics a frame-sized window (style bits 0x11) is drawn with;
  // 0 leaves the frame out. The check square of check boxes is cxmenucheck.
  int frame_x = 0;
  int frame_y = 0;
  int caption_height = 0;
  int check_box = 13;
};

struct Layout {
  int width = 0;  // the window's size after clamping, or the room a menu's popups need
  int height = 0;
  Box client;  // the window's client area (all of it, unless it has a system frame)
  bool system_frame = false;
  std::vector<Element> elements;  // in drawing order
};

// Lays out a window, dialog or menu description at a size: 0 for a side takes
// the initial size, and the result is clamped to the minimum and maximum
// sizes. Total for foreign input: what cannot be read is left out.
[[nodiscard]] Layout LayOut(const __packet& description, int width, int height, Measurer& measurer,
                            const Options& options = {});

// What a text element of a layout says about fitting: the two axes.
enum class Axis : std::uint8_t { width, height };
[[nodiscard]] std::string_view AxisName(Axis axis);

// A text that does not fit its box.
struct Overflow {
  const Element* element = nullptr;
  Axis axis = Axis::width;
  int needed = 0;
  int available = 0;  // the part of its box that shows, on that axis
};
// The texts of a layout that need more width or height than their boxes, in
// drawing order; width first where both.
[[nodiscard]] std::vector<Overflow> FindOverflows(const Layout& layout);

}  // namespace ctrlelem::layout
