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
  packet << U(key::control::kId, id) << U(key::control::kStyle, style)
         << U(key::control::kAnchor, anchor) << __val(key::control::kRect, rect);
  return packet;
}

// Keys 1 to 3 of the area layout.
__packet AreaLayout(int kind, std::uint32_t id, std::uint32_t anchor, RECT rect) {
  __packet packet(kind);
  packet << U(key::area::kId, id) << U(key::area::kAnchor, anchor) << __val(key::area::kRect, rect);
  return packet;
}

// Moves the text in: a caption may be as long as a language file makes it.
__val TextOrZero(int key, std::optional<std::wstring>& text) {
  return text ? __val(key, std::move(*text)) : U(key, 0);
}

// The text element's keys under the given kind.
__packet TextPacket(int kind, TextElement text) {
  __packet packet(kind);
  namespace k = key::text;
  packet << U(k::kId, text.id) << TextOrZero(k::kText, text.text) << U(k::kColour, text.colour)
         << U(k::kBackground, text.background) << TextOrZero(k::kFace, text.face)
         << U(k::kSize, text.size) << U(k::kStyle, text.style) << U(k::kFormat, text.format)
         << U(k::kAnchor, text.anchor) << __val(k::kRect, text.rect);
  return packet;
}

__packet HintPacket(__packet packet, const HintRecord& hint) {
  packet << U(key::hint::kCode, hint.code) << U(key::hint::kStyle, hint.style)
         << U(key::hint::kIcon, hint.icon) << __val(key::hint::kTitle, hint.title)
         << __val(key::hint::kText, hint.text) << U(key::hint::kFlags, hint.flags);
  return packet;
}

StateGroup Layers(std::optional<__packet> caption, std::span<const __packet> layers) {
  return {std::move(caption), static_cast<std::uint32_t>(layers.size()), Container(layers)};
}

// Each group's caption, count and container, for states 1 to 4 of the set.
void AddStateSet(__packet& button, const StateSet& states, ButtonSet set) {
  for (std::size_t index = 0; index < states.size(); ++index) {
    const StateGroupKeys keys = GroupKeys(set, static_cast<int>(index) + 1);
    const StateGroup& group = states[index];
    if (group.caption) button << __val(keys.caption, group.caption->data());
    if (group.count) button << U(keys.count, *group.count);
    if (group.layers) button << __val(keys.layers, group.layers->data());
  }
}

__packet MenuPacket(__packet packet, std::uint32_t type, const ItemList& items) {
  packet << U(key::menu::kType, type)
         << U(key::menu::kCount, static_cast<std::uint32_t>(items.count()))
         << __val(key::menu::kItems, items.packet().data());
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
  namespace k = key::window;
  packet << U(k::kId, window.id) << __val(k::kCaption, window.caption);
  if (window.style) packet << U(k::kStyle, *window.style);
  packet << U(k::kFlags, window.flags);
  if (window.reserved) packet << U(k::kReserved, *window.reserved);
  if (window.min_size) packet << __val(k::kMinSize, *window.min_size);
  if (window.max_size) packet << __val(k::kMaxSize, *window.max_size);
  if (window.initial_size) packet << __val(k::kInitialSize, *window.initial_size);
  packet << U(k::kTopKey, window.top_key.value_or(static_cast<std::uint32_t>(children.top_key())))
         << __val(k::kChildren, children.data());
  return packet;
}

// ---- Image and text ------------------------------------------------------

__packet Image(std::uint32_t id, std::uint32_t image, std::uint32_t anchor, RECT rect,
               std::uint32_t flag) {
  __packet packet(kImage);
  packet << U(key::image::kId, id) << U(key::image::kImage, image) << U(key::image::kFlag, flag)
         << U(key::image::kAnchor, anchor) << __val(key::image::kRect, rect);
  return packet;
}

__packet Text(TextElement text) { return TextPacket(kText, std::move(text)); }

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
  if (button.hint) packet << __val(key::button::kHint, button.hint->data());
  if (button.second_hint) packet << __val(key::button::kSecondHint, button.second_hint->data());
  AddStateSet(packet, button.states, ButtonSet::first);
  if (button.second_states) AddStateSet(packet, *button.second_states, ButtonSet::second);
  return packet;
}

void SetLayerCounts(__packet& button, const std::array<std::uint32_t, kButtonStates>& counts) {
  for (int state = 1; state <= kButtonStates; ++state) {
    button <
        U(GroupKeys(ButtonSet::first, state).count, counts[static_cast<std::size_t>(state - 1)]);
  }
}

void SetTextColour(__packet& text, std::uint32_t colour) { text < U(key::text::kColour, colour); }

void AppendButtonHint(__packet& button, const __packet& hint) {
  button << __val(key::button::kHint, hint.data());
}

__packet TextShapedButton(std::uint32_t id, std::wstring caption, RECT rect, std::uint32_t size) {
  return TextPacket(kButton, {.id = id,
                              .text = std::move(caption),
                              .colour = kBlack,
                              .background = kTransparent,
                              .face = TextFace(),
                              .size = size,
                              .style = 0,
                              .format = 0,
                              .anchor = kAnchorNone,
                              .rect = rect});
}

// ---- Menus -----------------------------------------------------------------

void ItemList::Add(const MenuItem& item) {
  const int base = kMenuItemKeys * count_;
  packet_ << U(base + kItemCommand, item.command) << U(base + kItemFlags, item.flags)
          << __val(base + kItemCaption, item.caption);
  if (item.image) packet_ << U(base + kItemImage, *item.image);
  if (item.alternative) packet_ << U(base + kItemAlternative, *item.alternative);
  if (item.submenu) packet_ << __val(base + kItemSubmenu, item.submenu->data());
  ++count_;
}

void ItemList::AddSeparator() {
  packet_ << U(kMenuItemKeys * count_ + kItemCommand, kMenuSeparator);
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
  return ControlLayout(kStringField, id, style, anchor, rect)
         << __val(key::control::kValue, std::string());
}

__packet InputField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                    std::string hint_bytes) {
  return ControlLayout(kInputField, id, style, anchor, rect)
         << __val(key::control::kValue, std::move(hint_bytes));
}

__packet StyledArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kStyledArea, id, style, anchor, rect) << I(key::control::kValue, 0);
}

__packet StringArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kStringArea, id, style, anchor, rect)
         << __val(key::control::kValue, std::string());
}

__packet FramedArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect) {
  return ControlLayout(kFramedArea, id, style, anchor, rect) << I(key::control::kValue, 0);
}

__packet PlainArea(std::uint32_t id, std::uint32_t anchor, RECT rect) {
  return AreaLayout(kPlainArea, id, anchor, rect) << I(key::area::kReserved, 0);
}

__packet ImageSetArea(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                      const __packet& images) {
  return ControlLayout(kImageSetArea, id, style, anchor, rect)
         << __val(key::control::kValue, images.data());
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
         << U(key::area::kReserved, 1) << __val(key::icon_label::kIcon, icon.data())
         << __val(key::icon_label::kEdge, edge.data())
         << __val(key::icon_label::kLabel, label.data());
}

__packet TwinImage(std::uint32_t id, std::uint32_t anchor, RECT rect, std::uint32_t first_image,
                   std::uint32_t second_image, const __packet& hint) {
  return AreaLayout(kTwinImage, id, anchor, rect) << U(key::twin_image::kFirstImage, first_image)
                                                  << U(key::twin_image::kSecondImage, second_image)
                                                  << __val(key::twin_image::kHint, hint.data());
}

__packet CaptionedField(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                        std::wstring caption, const __packet& hint) {
  return ControlLayout(kCaptionedField, id, style, anchor, rect)
         << __val(key::control::kValue, std::move(caption))
         << __val(key::control::kCaptionedFieldHint, hint.data());
}

__packet EntryBox(std::uint32_t id, std::uint32_t style, std::uint32_t anchor, RECT rect,
                  const __packet& hint) {
  return ControlLayout(kEntryBox, id, style, anchor, rect)
         << __val(key::control::kValue, hint.data());
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
  namespace k = key::info_bar;
  bar << U(key::area::kReserved, 0) << U(k::kBackground, kBarBackground) << U(k::kLinkColour, kBlue)
      << U(k::kActiveLinkColour, kRed) << __val(k::kFace, Str(20)) << U(k::kSize, kTextSize)
      << U(k::kSecondReserved, 0) << U(k::kIconCount, static_cast<std::uint32_t>(icons.size()))
      << __val(k::kIcons, icons.data())
      << U(k::kTextCount, static_cast<std::uint32_t>(texts.size()))
      << __val(k::kTexts, text_packet.data());
  return bar;
}

__packet SplitViewElement(const SplitView& view, const Children& pane1, const __packet& splitter,
                          const Children& pane2) {
  __packet packet = ControlLayout(kSplitView, view.id, view.split_flag, view.anchor, view.rect);
  namespace k = key::split_view;
  packet << U(k::kReserved, 0) << U(k::kSizeA, view.size_a) << U(k::kSizeB, view.size_b)
         << U(k::kPane1TopKey,
              view.pane1_count.value_or(static_cast<std::uint32_t>(pane1.top_key())))
         << __val(k::kPane1, pane1.data())
         << U(k::kSplitterCount, static_cast<std::uint32_t>(splitter.size()))
         << __val(k::kSplitter, splitter.data())
         << U(k::kPane2TopKey,
              view.pane2_count.value_or(static_cast<std::uint32_t>(pane2.top_key())))
         << __val(k::kPane2, pane2.data());
  return packet;
}

__packet HtmlView(std::uint32_t id, std::uint32_t anchor, RECT rect, std::wstring page,
                  std::uint32_t background) {
  return AreaLayout(kHtmlView, id, anchor, rect) << __val(key::html_view::kPage, std::move(page))
                                                 << U(key::html_view::kBackground, background);
}

}  // namespace ctrlelem::schema
