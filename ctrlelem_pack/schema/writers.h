// Typed writers for every element kind: each returns the element's packet with
// its keys in the documented order and with the documented value types, so a
// description reads as a list of elements, one line each.
//
// The returned packets are ordinary __packet values: where a description needs
// a rare form (a key left out, a key replaced after the fact), the call site
// applies remval or operator< to the result.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "language/packet.h"

namespace ctrlelem::schema {

// String N of table T in the current language.
std::wstring Str(int id, int table = 1);
// The font face of every text element: string 20 of table 2.
std::wstring TextFace();

// ---- Containers ----------------------------------------------------------

// An unkinded container of element descriptions under keys 1..n (gaps allowed),
// filled from a running key. The owner stores top_key() beside it.
class Children {
 public:
  explicit Children(int first_key = 1) : next_key_(first_key) {}

  // Stores the child under the next key and moves on; returns the key used.
  int Add(const __packet& child);
  // Stores the child under the given key; the running key continues after it.
  void Put(int key, const __packet& child);
  // Leaves keys empty: the running key moves on without storing anything.
  void Skip(int count = 1) { next_key_ += count; }

  int next_key() const { return next_key_; }
  int top_key() const { return top_key_; }  // the highest key stored, 0 when empty
  int count() const { return static_cast<int>(packet_.size()); }
  const __packet& packet() const { return packet_; }
  std::string data() const { return packet_.data(); }

 private:
  __packet packet_;
  int next_key_;
  int top_key_ = 0;
};

// A container holding the elements under keys 1..n in the order given.
__packet Container(std::span<const __packet> elements);
inline __packet Container(std::initializer_list<__packet> elements) {
  return Container(std::span(elements.begin(), elements.size()));
}

// ---- Window (kind 1), pane window (21), strip window (22) -----------------

struct Window {
  std::uint32_t id = 0;
  std::wstring caption;
  std::optional<std::uint32_t> style = std::nullopt;  // key 3; absent in the second dialog family
  std::uint32_t flags = kWindowFramed;
  std::optional<std::uint32_t> reserved = 0u;  // key 5; absent in dialogs
  std::optional<SIZE> min_size = std::nullopt;
  std::optional<SIZE> max_size = std::nullopt;
  std::optional<SIZE> initial_size = std::nullopt;
  // key 9; the children's top key when not given
  std::optional<std::uint32_t> top_key = std::nullopt;
};

// Keys 1 to 9 in ascending order (absent ones left out), then the children
// container under key 10.
__packet WindowDescription(const Window& window, const Children& children, int kind = kWindow);

// ---- Image element (kind 2) ----------------------------------------------

__packet Image(std::uint32_t id, std::uint32_t image, std::uint32_t anchor, RECT rect,
               std::uint32_t flag = 0);

// ---- Text element (kind 3) -----------------------------------------------

struct TextElement {
  std::uint32_t id = 1;
  std::optional<std::wstring> text;  // nothing: the unsigned 0 of background fills
  std::uint32_t colour = kBlack;
  std::uint32_t background = kTransparent;
  std::optional<std::wstring> face = TextFace();  // nothing: the unsigned 0
  std::uint32_t size = kTextSize;
  std::uint32_t style = 0;
  std::uint32_t format = 0;
  std::uint32_t anchor = 0;
  RECT rect{};
};

__packet Text(TextElement text);  // by value: the texts are moved into the packet

// A plain coloured area: a text element whose text, face, size, style and
// format are all the unsigned 0.
__packet BackgroundFill(std::uint32_t id, std::uint32_t colour, std::uint32_t anchor, RECT rect);

// ---- Hint (kind 5, or the same keys without kind) -------------------------

struct HintRecord {
  std::uint32_t code = kHintCode;
  std::uint32_t style = 0;
  std::uint32_t icon = 0;
  std::wstring title;
  std::wstring text;
  std::uint32_t flags = kTooltipSubclass;
};

// The ordinary form: title string 1 unless given.
HintRecord OrdinaryHint(std::wstring text, std::uint32_t code = kHintCode);
// The balloon form of input elements: 1002, 0x40, 2, string 700, string 701 of
// table 2, 0x20.
HintRecord BalloonHint();

__packet Hint(const HintRecord& hint);             // kind 5
__packet HintWithoutKind(const HintRecord& hint);  // the same keys, no kind

// The ordinary hint (kind 5) showing string N of the table; code 3 marks the
// hint of a second set.
__packet StringHint(int string_id, int table = 1, std::uint32_t code = kHintCode);

// ---- Button (kind 4) -----------------------------------------------------

// One state group: the caption, the layer count and the layer container, each
// of which may be absent.
struct StateGroup {
  std::optional<__packet> caption;
  std::optional<std::uint32_t> count;
  std::optional<__packet> layers;
};

// The four shapes a group comes in.
StateGroup CaptionedLayers(const __packet& caption, std::span<const __packet> layers);
StateGroup LayersOnly(std::span<const __packet> layers);
StateGroup CaptionWithoutLayers(const __packet& caption);  // count 0, no container
StateGroup CaptionOnly(const __packet& caption);           // no count, no container

using StateSet = std::array<StateGroup, 4>;

// The same group in all four states.
StateSet SameInEveryState(const StateGroup& group);

struct Button {
  std::uint32_t id = 0;
  std::uint32_t style = kButtonPicture;
  std::uint32_t anchor = 0;
  RECT rect{};
  std::optional<__packet> hint = std::nullopt;           // key 5
  StateSet states;                                       // keys 6 to 17
  std::optional<__packet> second_hint = std::nullopt;    // key 18, stored right after key 5
  std::optional<StateSet> second_states = std::nullopt;  // keys 19 to 30
};

// The state-group layout: keys 1-4, 5, 18, then the groups of the first set
// (caption, count, container per state), then those of the second.
__packet StateGroupButton(const Button& button);

// Replaces the layer counts of states 1 to 4 of the button's first set, where
// they stand, leaving the containers as they are.
void SetLayerCounts(__packet& button, const std::array<std::uint32_t, kButtonStates>& counts);

// Replaces the colour of a text-shaped button (or a text element).
void SetTextColour(__packet& text, std::uint32_t colour);

// Adds the hint (key 5) after everything the button holds: a few buttons store
// it after their state groups.
void AppendButtonHint(__packet& button, const __packet& hint);

// The text-shaped layout of the second dialog family: a text element's keys
// under kind 4, anchor flags 0 and an absolute rectangle.
__packet TextShapedButton(std::uint32_t id, std::wstring caption, RECT rect,
                          std::uint32_t size = 0);

// ---- Menu (kind 10) and submenus -----------------------------------------

struct MenuItem {
  std::uint32_t command = 0;
  std::uint32_t flags = 0;
  std::wstring caption;
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> alternative = std::nullopt;  // the value 403
  std::optional<__packet> submenu = std::nullopt;
};

// An item list: item n under keys 6(n-1)+1 .. 6(n-1)+6, absent keys left out.
class ItemList {
 public:
  void Add(const MenuItem& item);
  void AddSeparator();
  int count() const { return count_; }
  const __packet& packet() const { return packet_; }

 private:
  __packet packet_;
  int count_ = 0;
};

// A popup: {1 = 13, 2 = item count, 3 = item list}, without kind.
__packet Submenu(const ItemList& items);
// The menu bar: kind 10 {1 = 12, 2 = item count, 3 = item list}.
__packet MenuBar(const ItemList& items);

// Fixed menus as tables: one row per item, one entry per bar item.
struct MenuRow;
// The items of one submenu, in the order the menu shows them.
using MenuRows = std::span<const MenuRow>;

// One item of a fixed submenu (command, flags, caption string of table 1,
// image number, the value 403, nested submenu); a row whose command is
// kMenuSeparator is a separator.
struct MenuRow {
  std::uint32_t command;
  std::uint32_t flags = 0;
  int caption = 0;
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> alternative = std::nullopt;
  const MenuRows* submenu = nullptr;
  bool opens_dialog = false;  // the caption is followed by "..."
};

// Adds one item per row; nested submenus are built from their own rows and
// stored under their item's sixth key.
void AddMenuRows(ItemList& items, MenuRows rows);
// The submenu {13, item count, item list} of the rows.
__packet SubmenuOfRows(MenuRows rows);

// One item of a menu bar: command, caption (string of table 1) and the submenu
// it opens.
struct MenuBarEntry {
  std::uint32_t command;
  int caption;
  __packet submenu;
};
// The menu bar (kind 10) of the entries, in order.
__packet MenuBarOf(std::span<const MenuBarEntry> entries);

// ---- Field, area and frame kinds -----------------------------------------

__packet StringField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect);
// key 5 is whatever hint form the place needs: a kind-5 hint, a hint without
// kind, an empty packet's data, or the empty byte string.
__packet InputField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                    std::string hint_bytes);
__packet StyledArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect);
__packet StringArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect);
__packet FramedArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect);
__packet PlainArea(std::uint32_t id, std::uint32_t anchor, RECT rect);
__packet ImageSetArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                      const __packet& images);
__packet PictureFrame(std::uint32_t id, std::uint32_t picture, std::uint32_t anchor, RECT rect);
__packet PlainFrame(std::uint32_t id, std::uint32_t anchor, RECT rect);
__packet IconLabel(std::uint32_t id, std::uint32_t anchor, RECT rect, const __packet& icon,
                   const __packet& edge, const __packet& label);
__packet TwinImage(std::uint32_t id, std::uint32_t anchor, RECT rect, std::uint32_t first_image,
                   std::uint32_t second_image, const __packet& hint);
__packet CaptionedField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                        std::wstring caption, const __packet& hint);
__packet EntryBox(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                  const __packet& hint);

// ---- Information bar (12), split view (17), HTML view (25) ----------------

// The bar along the parent's bottom: fixed look, three icons, and the texts
// parsed in the order given.
__packet InformationBar(std::uint32_t id, std::span<const std::wstring> texts);
// The same bar with the element ids of its three icons (left, then the two at
// the right end), which differ from window to window; the form above uses 205,
// 206 and 207.
__packet InformationBar(std::uint32_t id, std::span<const std::wstring> texts,
                        const std::array<std::uint32_t, 3>& icon_ids);

// What distinguishes one split view from another; the panes and the splitter
// are passed beside it.
struct SplitView {
  std::uint32_t id = 0;
  std::uint32_t split_flag = 0;
  std::uint32_t anchor = kAnchorFill;
  RECT rect{};
  std::uint32_t size_a = 0;
  std::uint32_t size_b = 0;
  // The pane counts, where they are not the panes' top keys (a count kept by a
  // running counter shared with nested builders).
  std::optional<std::uint32_t> pane1_count = std::nullopt;
  std::optional<std::uint32_t> pane2_count = std::nullopt;
};

// Keys 1 to 6 and 11 first, then each count with its container: 7 and 8, 9 and
// 10, 12 and 13. The splitter count is the number of splitter pictures.
__packet SplitViewElement(const SplitView& view, const Children& pane1, const __packet& splitter,
                          const Children& pane2);

__packet HtmlView(std::uint32_t id, std::uint32_t anchor, RECT rect, std::wstring page,
                  std::uint32_t background);

}  // namespace ctrlelem::schema
