#include "schema/writers.h"

#include "language/infobar.h"
#include "language/strings.h"

namespace ctrlelem::schema {
namespace {

// Shorthands for the two integer constructors: the schema's values are
// unsigned unless a key says signed.
__val U(int key, std::uint32_t value) { return __val(key, static_cast<unsigned long>(value)); }
__val I(int key, std::int32_t value) { return __val(key, static_cast<int>(value)); }

// Keys 1 to 4 of the control layout.
__packet ControlLayout(int kind, std::uint32_t id, std::uint32_t style, std::uint32_t anchor,
                       RECT rect) {
  __packet packet(kind);
  packet << U(1, id) << U(2, style) << U(3, anchor) << __val(4, rect);
  return packet;
}

// Keys 1 to 3 of the area layout.
__packet AreaLayout(int kind, std::uint32_t id, std::uint32_t anchor, RECT rect) {
  __packet packet(kind);
  packet << U(1, id) << U(2, anchor) << __val(3, rect);
  return packet;
}

__val TextOrZero(int key, const std::optional<std::wstring>& text) {
  return text ? __val(key, *text) : U(key, 0);
}

__packet HintPacket(__packet packet, const HintRecord& hint) {
  packet << U(1, hint.code) << U(2, hint.style) << U(3, hint.icon) << __val(4, hint.title)
         << __val(5, hint.text) << U(6, hint.flags);
  return packet;
}

StateGroup Layers(std::optional<__packet> caption, std::span<const __packet> layers) {
  return {std::move(caption), static_cast<std::uint32_t>(layers.size()), Container(layers)};
}

// Each group's caption, count and container, for states 1 to 4, from the key
// of state 1's caption on.
void AddStateSet(__packet& button, const StateSet& set, int first_key) {
  for (std::size_t state = 0; state < set.size(); ++state) {
    const int key = first_key + 3 * static_cast<int>(state);
    const StateGroup& group = set[state];
    if (group.caption) button << __val(key, group.caption->data());
    if (group.count) button << U(key + 1, *group.count);
    if (group.layers) button << __val(key + 2, group.layers->data());
  }
}

__packet MenuPacket(__packet packet, std::uint32_t type, const ItemList& items) {
  packet << U(1, type) << U(2, static_cast<std::uint32_t>(items.count()))
         << __val(3, items.packet().data());
  return packet;
}

}  // namespace

std::wstring Str(int id, int table) { return LoadResourceString(id, table, 0); }
std::wstring TextFace() { return Str(20, 2); }

// ---- Containers ----------------------------------------------------------

int Children::Add(const __packet& child) {
  const int key = next_key_;
  Put(key, child);
  return key;
}

void Children::Put(int key, const __packet& child) {
  packet_ << __val(key, child.data());
  if (key > top_key_) top_key_ = key;
  next_key_ = key + 1;
}

__packet Container(std::span<const __packet> elements) {
  __packet container;
  int key = 1;
  for (const __packet& element : elements) container << __val(key++, element.data());
  return container;
}

// ---- Window ----------------------------------------------------------------

__packet WindowDescription(const Window& window, const Children& children, int kind) {
  __packet packet(kind);
  packet << U(1, window.id) << __val(2, window.caption);
  if (window.style) packet << U(3, *window.style);
  packet << U(4, window.flags);
  if (window.reserved) packet << U(5, *window.reserved);
  if (window.min_size) packet << __val(6, *window.min_size);
  if (window.max_size) packet << __val(7, *window.max_size);
  if (window.initial_size) packet << __val(8, *window.initial_size);
  packet << U(9, window.top_key.value_or(static_cast<std::uint32_t>(children.top_key())))
         << __val(10, children.data());
  return packet;
}

// ---- Image and text ------------------------------------------------------

__packet Image(std::uint32_t id, std::uint32_t image, std::uint32_t anchor, RECT rect,
               std::uint32_t flag) {
  __packet packet(kImage);
  packet << U(1, id) << U(2, image) << U(3, flag) << U(4, anchor) << __val(5, rect);
  return packet;
}

__packet Text(const TextElement& text) {
  __packet packet(kText);
  packet << U(1, text.id) << TextOrZero(2, text.text) << U(3, text.colour) << U(4, text.background)
         << TextOrZero(5, text.face) << U(6, text.size) << U(7, text.style) << U(8, text.format)
         << U(9, text.anchor) << __val(10, text.rect);
  return packet;
}

__packet BackgroundFill(std::uint32_t id, std::uint32_t colour, std::uint32_t anchor, RECT rect) {
  return Text({.id = id,
               .text = std::nullopt,
               .colour = kBlack,
               .background = colour,
               .face = std::nullopt,
               .size = 0,
               .style = 0,
               .format = 0,
               .anchor = anchor,
               .rect = rect});
}

// ---- Hints -----------------------------------------------------------------

HintRecord OrdinaryHint(std::wstring text, std::uint32_t code) {
  return {.code = code,
          .style = 0,
          .icon = 0,
          .title = Str(1),
          .text = std::move(text),
          .flags = kTooltipSubclass};
}

HintRecord BalloonHint() {
  return {.code = kHintCodeBalloon,
          .style = kTooltipBalloon,
          .icon = kTooltipWarning,
          .title = Str(700),
          .text = Str(701, 2),
          .flags = kTooltipTrack};
}

__packet Hint(const HintRecord& hint) { return HintPacket(__packet(kHint), hint); }
__packet HintWithoutKind(const HintRecord& hint) { return HintPacket(__packet(), hint); }

__packet StringHint(int string_id, int table, std::uint32_t code) {
  return Hint(OrdinaryHint(Str(string_id, table), code));
}

// ---- Buttons ---------------------------------------------------------------

StateGroup CaptionedLayers(const __packet& caption, std::span<const __packet> layers) {
  return Layers(caption, layers);
}

StateGroup LayersOnly(std::span<const __packet> layers) { return Layers(std::nullopt, layers); }
StateGroup CaptionWithoutLayers(const __packet& caption) { return {caption, 0u, std::nullopt}; }
StateGroup CaptionOnly(const __packet& caption) { return {caption, std::nullopt, std::nullopt}; }

StateSet SameInEveryState(const StateGroup& group) { return {group, group, group, group}; }

__packet StateGroupButton(const Button& button) {
  __packet packet = ControlLayout(kButton, button.id, button.style, button.anchor, button.rect);
  if (button.hint) packet << __val(5, button.hint->data());
  if (button.second_hint) packet << __val(18, button.second_hint->data());
  AddStateSet(packet, button.states, 6);
  if (button.second_states) AddStateSet(packet, *button.second_states, 19);
  return packet;
}

__packet TextShapedButton(std::uint32_t id, std::wstring caption, RECT rect, std::uint32_t size) {
  __packet packet = Text({.id = id,
                          .text = std::move(caption),
                          .colour = kBlack,
                          .background = kTransparent,
                          .face = TextFace(),
                          .size = size,
                          .style = 0,
                          .format = 0,
                          .anchor = kAnchorNone,
                          .rect = rect});
  __packet button(kButton);
  for (const __val& value : packet.values()) button << value;
  return button;
}

// ---- Menus -----------------------------------------------------------------

void ItemList::Add(const MenuItem& item) {
  const int base = kMenuItemKeys * count_;
  packet_ << U(base + 1, item.command) << U(base + 2, item.flags) << __val(base + 3, item.caption);
  if (item.image) packet_ << U(base + 4, *item.image);
  if (item.alternative) packet_ << U(base + 5, *item.alternative);
  if (item.submenu) packet_ << __val(base + 6, item.submenu->data());
  ++count_;
}

void ItemList::AddSeparator() {
  packet_ << U(kMenuItemKeys * count_ + 1, kMenuSeparator);
  ++count_;
}

__packet Submenu(const ItemList& items) { return MenuPacket(__packet(), kMenuPopupType, items); }
__packet MenuBar(const ItemList& items) { return MenuPacket(__packet(kMenu), kMenuBarType, items); }

void AddMenuRows(ItemList& items, MenuRows rows) {
  for (const MenuRow& row : rows) {
    if (row.command == kMenuSeparator) {
      items.AddSeparator();
      continue;
    }
    std::optional<__packet> submenu;
    if (row.submenu != nullptr) submenu = SubmenuOfRows(*row.submenu);
    std::wstring caption = Str(row.caption);
    if (row.opens_dialog) caption += L"...";
    items.Add({.command = row.command,
               .flags = row.flags,
               .caption = std::move(caption),
               .image = row.image,
               .alternative = row.alternative,
               .submenu = std::move(submenu)});
  }
}

__packet SubmenuOfRows(MenuRows rows) {
  ItemList items;
  AddMenuRows(items, rows);
  return Submenu(items);
}

__packet MenuBarOf(std::span<const MenuBarEntry> entries) {
  ItemList bar;
  for (const MenuBarEntry& entry : entries) {
    bar.Add({.command = entry.command, .caption = Str(entry.caption), .submenu = entry.submenu});
  }
  return MenuBar(bar);
}

// ---- Fields, areas and frames ---------------------------------------------

__packet StringField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kStringField, id, style, anchor, rect) << __val(5, std::string());
}

__packet InputField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                    std::string hint_bytes) {
  return ControlLayout(kInputField, id, style, anchor, rect) << __val(5, std::move(hint_bytes));
}

__packet StyledArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kStyledArea, id, style, anchor, rect) << I(5, 0);
}

__packet StringArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kStringArea, id, style, anchor, rect) << __val(5, std::string());
}

__packet FramedArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kFramedArea, id, style, anchor, rect) << I(5, 0);
}

__packet PlainArea(std::uint32_t id, std::uint32_t anchor, RECT rect) {
  return AreaLayout(kPlainArea, id, anchor, rect) << I(4, 0);
}

__packet ImageSetArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                      const __packet& images) {
  return ControlLayout(kImageSetArea, id, style, anchor, rect) << __val(5, images.data());
}

__packet PictureFrame(std::uint32_t id, std::uint32_t picture, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kPictureFrame, id, picture, anchor, rect);
}

__packet PlainFrame(std::uint32_t id, std::uint32_t anchor, RECT rect) {
  return AreaLayout(kPlainFrame, id, anchor, rect);
}

__packet IconLabel(std::uint32_t id, std::uint32_t anchor, RECT rect, const __packet& icon,
                   const __packet& edge, const __packet& label) {
  return AreaLayout(kIconLabel, id, anchor, rect)
         << U(4, 1) << __val(5, icon.data()) << __val(6, edge.data()) << __val(7, label.data());
}

__packet TwinImage(std::uint32_t id, std::uint32_t anchor, RECT rect, std::uint32_t first_image,
                   std::uint32_t second_image, const __packet& hint) {
  return AreaLayout(kTwinImage, id, anchor, rect)
         << U(4, first_image) << U(5, second_image) << __val(6, hint.data());
}

__packet CaptionedField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                        std::wstring caption, const __packet& hint) {
  return ControlLayout(kCaptionedField, id, style, anchor, rect)
         << __val(5, std::move(caption)) << __val(6, hint.data());
}

__packet EntryBox(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                  const __packet& hint) {
  return ControlLayout(kEntryBox, id, style, anchor, rect) << __val(5, hint.data());
}

// ---- Information bar, split view, HTML view --------------------------------

__packet InformationBar(std::uint32_t id, std::span<const std::wstring> texts) {
  return InformationBar(id, texts, {205, 206, 207});
}

__packet InformationBar(std::uint32_t id, std::span<const std::wstring> texts,
                        const std::array<std::uint32_t, 3>& icon_ids) {
  // Every bar has the same look: a light strip along the bottom with the link
  // colours of the link-like buttons and three status icons.
  static constexpr std::uint32_t kBarBackground = 0xC0F3FF;
  const __packet icons = Container({
      Image(icon_ids[0], 502, kAnchorTopLeft, {2, 2, 16, 16}),
      Image(icon_ids[1], 500, kAnchorTopRight, {18, 2, 16, 16}),
      Image(icon_ids[2], 501, kAnchorTopRight, {18, 2, 16, 16}),
  });
  __packet text_packet;
  for (const std::wstring& text : texts) ParseInformationBarText(&text_packet, text);

  __packet bar = AreaLayout(kInformationBar, id, kAnchorBottom | kAnchorStretchX, {0, 20, 0, 20});
  bar << U(4, 0) << U(5, kBarBackground) << U(6, kBlue) << U(7, kRed) << __val(8, Str(20))
      << U(9, kTextSize) << U(10, 0) << U(11, static_cast<std::uint32_t>(icons.size()))
      << __val(12, icons.data()) << U(13, static_cast<std::uint32_t>(texts.size()))
      << __val(14, text_packet.data());
  return bar;
}

__packet SplitViewElement(const SplitView& view, const Children& pane1, const __packet& splitter,
                          const Children& pane2) {
  __packet packet = ControlLayout(kSplitView, view.id, view.split_flag, view.anchor, view.rect);
  packet << U(5, 0) << U(6, view.size_a) << U(11, view.size_b)
         << U(7, view.pane1_count.value_or(static_cast<std::uint32_t>(pane1.top_key())))
         << __val(8, pane1.data()) << U(9, static_cast<std::uint32_t>(splitter.size()))
         << __val(10, splitter.data())
         << U(12, view.pane2_count.value_or(static_cast<std::uint32_t>(pane2.top_key())))
         << __val(13, pane2.data());
  return packet;
}

__packet HtmlView(std::uint32_t id, std::uint32_t anchor, RECT rect, std::wstring page,
                  std::uint32_t background) {
  return AreaLayout(kHtmlView, id, anchor, rect) << __val(4, std::move(page)) << U(5, background);
}

}  // namespace ctrlelem::schema
