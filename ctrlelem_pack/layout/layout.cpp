// The layout walk: every element of a window, dialog or menu with its box, clip,
// text and visibility, in drawing order. It reads descriptions only through
// the schema's readers, kind table and PlaceChild.
#include "ctrlelem_pack/layout.h"

#include <algorithm>
#include <array>
#include <climits>

#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/element_path.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "language/infobar.h"
#include "saturate.h"

namespace ctrlelem::layout {
namespace {

namespace schema = ctrlelem::schema;
namespace key = ctrlelem::schema::key;
using schema::ReadText;

// Elements nested deeper are left out: foreign bytes may nest without end.
constexpr int kMaxNesting = 64;
// A window style with both bits: the host gives it the system frame and
// caption (the frame-sized window).
constexpr std::uint32_t kStyleSystemFrame = 0x11;
// A captioned field: a caption line above an edit box.
constexpr int kCaptionedFieldLabel = 18;
// Information bars: texts start right of the first icon (2 + 16 pixels) with a
// small gap, and keep the same room free at the right for the other icons.
constexpr int kInfoTextLeft = 22;
// Text-shaped buttons: the check boxes are known by their control ids; a
// button lower than a push button, or with a font size of its own, is a link.
constexpr std::array<std::uint32_t, 4> kCheckBoxControls = {978, 979, 984, 995};
constexpr int kPushButtonMinHeight = 20;
constexpr int kCheckBoxGap = 4;
// Menus: bar cells and popup rows.
constexpr int kBarHeight = 20;
constexpr int kBarItemPadding = 8;
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kPictureColumn = 24;  // check marks and item pictures
constexpr int kArrowColumn = 20;
constexpr int kMenuGap = 6;
constexpr int kPopupMinText = 60;

std::uint32_t Unsigned(const __packet& packet, int key, std::uint32_t fallback = 0) {
  const schema::ReadResult<std::uint32_t> value = schema::ReadUnsigned(packet, key);
  return value ? value.value : fallback;
}

std::optional<SIZE> SizeKey(const __packet& window, int key) {
  const __val* value = window.find(key);
  return value ? value->size() : std::nullopt;
}

// The font a text element (or a text-shaped button) asks for.
Font TextFont(const __packet& text) {
  const std::uint32_t size = Unsigned(text, key::text::kSize);
  const std::uint32_t style = Unsigned(text, key::text::kStyle);
  Font font;
  font.face = ReadText(text, key::text::kFace).text;
  font.point_size = static_cast<int>(size == 0 || size > 1000 ? schema::kDefaultTextSize : size);
  font.weight = (style & schema::kFontStyleLabel) != 0 ? 700 : 400;
  font.underline = (style & schema::kFontStyleLink) != 0;
  return font;
}

// The host's own font (menus, captioned fields): its default face, 9 points.
Font HostFont() { return Font{}; }

constexpr std::array<std::pair<std::string_view, ButtonState>, kButtonStateCount> kStateNames = {{
    {"normal", ButtonState::normal},
    {"hover", ButtonState::hover},
    {"pressed", ButtonState::pressed},
    {"disabled", ButtonState::disabled},
    {"checked", ButtonState::checked},
}};

class Walker {
 public:
  Walker(Measurer& measurer, const Options& options) : measurer_(measurer), options_(options) {}

  Layout Run(const __packet& description, int width, int height) {
    const int kind = description.kind().value_or(0);
    if (kind == schema::kMenu) {
      menu_ = true;
      Menu(description);
    } else {
      Window(description, width, height);
    }
    Visibility();
    FitToClip();
    return std::move(layout_);
  }

 private:
  std::string RootPath(const __packet& description) const {
    std::uint32_t id = options_.id;
    if (id == 0) id = Unsigned(description, key::window::kId);
    return std::to_string(id);
  }

  bool Hidden(const std::string& path) const {
    return std::find(options_.hide.begin(), options_.hide.end(), path) != options_.hide.end();
  }

  // Adds an element; returns its index (elements may be added after it).
  std::size_t Add(Element element) {
    layout_.elements.push_back(std::move(element));
    return layout_.elements.size() - 1;
  }

  Element Make(const std::string& path, int depth, int kind, std::uint32_t id, const Box& box,
               const Box& parent_clip) const {
    Element element;
    element.path = path;
    element.depth = depth;
    element.kind = kind;
    element.id = id;
    element.box = box;
    element.clip = Intersect(box, parent_clip);
    return element;
  }

  ElementText Text(std::wstring text, const Font& font, std::uint32_t format, std::uint32_t colour,
                   const Box& box) {
    ElementText shown;
    shown.layout = LayOutText(text, font, format, box.width, box.height, measurer_);
    shown.text = std::move(text);
    shown.font = font;
    shown.format = format;
    shown.colour = colour;
    shown.box = box;
    return shown;
  }

  // ---- Windows -------------------------------------------------------------

  void Window(const __packet& window, int width, int height) {
    const SIZE initial = SizeKey(window, key::window::kInitialSize)
                             .value_or(SizeKey(window, key::window::kMinSize).value_or(SIZE{0, 0}));
    long long w = width > 0 ? width : initial.cx;
    long long h = height > 0 ? height : initial.cy;
    // A (0, 0) minimum or maximum is none.
    if (const std::optional<SIZE> min = SizeKey(window, key::window::kMinSize)) {
      if (min->cx > 0) w = std::max<long long>(w, min->cx);
      if (min->cy > 0) h = std::max<long long>(h, min->cy);
    }
    if (const std::optional<SIZE> max = SizeKey(window, key::window::kMaxSize)) {
      if (max->cx > 0) w = std::min<long long>(w, max->cx);
      if (max->cy > 0) h = std::min<long long>(h, max->cy);
    }
    layout_.width = Saturate(std::max<long long>(w, 1));
    layout_.height = Saturate(std::max<long long>(h, 1));
    const Box box{0, 0, layout_.width, layout_.height};
    layout_.client = box;
    const bool framed =
        (Unsigned(window, key::window::kStyle) & kStyleSystemFrame) == kStyleSystemFrame &&
        (options_.frame_x > 0 || options_.frame_y > 0 || options_.caption_height > 0);
    if (framed) {
      layout_.system_frame = true;
      layout_.client = {options_.frame_x, options_.frame_y + options_.caption_height,
                        std::max(box.width - 2 * options_.frame_x, 0),
                        std::max(box.height - 2 * options_.frame_y - options_.caption_height, 0)};
    }
    const std::string path = RootPath(window);
    Element root =
        Make(path, 0, window.kind().value_or(0), Unsigned(window, key::window::kId), box, box);
    Add(std::move(root));
    Containers(window, path, layout_.client, layout_.client, 1, std::nullopt);
  }

  // Every children or layer container of the element, in key order.
  void Containers(const __packet& owner, const std::string& path, const Box& area, const Box& clip,
                  int depth, std::optional<ButtonState> state) {
    if (!owner.kind()) return;
    for (const schema::Field& field : schema::FieldsOf(*owner.kind(), owner)) {
      if (field.nested != schema::Nested::children && field.nested != schema::Nested::layers) {
        continue;
      }
      Container(owner, field.key, field.nested == schema::Nested::layers, path, area, clip, depth,
                state);
    }
  }

  void Container(const __packet& owner, int container_key, bool layers, const std::string& path,
                 const Box& area, const Box& clip, int depth, std::optional<ButtonState> state) {
    const schema::ReadResult<schema::ContainerView> container =
        schema::ReadContainer(owner, container_key);
    if (!container) return;
    const std::string at = schema::PathStep(path, "key", container_key);
    schema::VisitChildren(container.value, [&](const schema::ChildEntry& child) {
      if (child.packet == nullptr || !child.packet->kind()) return;
      Child(*child.packet, schema::PathStep(at, layers ? "layer" : "child", child.key), area, clip,
            depth, state);
    });
  }

  // ---- Elements --------------------------------------------------------------

  static Box Place(const __packet& element, const Box& parent) {
    const int element_kind = element.kind().value_or(0);
    if (element_kind == schema::kPaneWindow || element_kind == schema::kStripWindow ||
        element_kind == schema::kWindow) {
      if (const std::optional<SIZE> size = SizeKey(element, key::window::kInitialSize)) {
        return {parent.x, parent.y, Saturate(std::max<long long>(size->cx, 0)),
                Saturate(std::max<long long>(size->cy, 0))};
      }
      return parent;
    }
    const schema::KindSchema* kind = schema::SchemaOf(element);
    if (kind == nullptr || kind->anchor_key == 0 || kind->rect_key == 0) return parent;
    const schema::ReadResult<std::uint32_t> anchor =
        schema::ReadUnsigned(element, kind->anchor_key);
    const __val* rect_value = element.find(kind->rect_key);
    const std::optional<RECT> rect = rect_value ? rect_value->rect() : std::nullopt;
    if (!anchor || !rect) return parent;
    const Placement placed =
        PlaceChild(anchor.value, *rect, parent.width, parent.height, RectFormForKind(kind->kind));
    return {Saturate(static_cast<long long>(parent.x) + placed.left),
            Saturate(static_cast<long long>(parent.y) + placed.top),
            Saturate(static_cast<long long>(placed.right) - placed.left),
            Saturate(static_cast<long long>(placed.bottom) - placed.top)};
  }

  static std::uint32_t IdOf(const __packet& element) {
    const schema::KindSchema* kind = schema::SchemaOf(element);
    return kind && kind->id_key != 0 ? Unsigned(element, kind->id_key) : 0;
  }

  void Child(const __packet& element, const std::string& path, const Box& parent,
             const Box& parent_clip, int depth, std::optional<ButtonState> state) {
    if (depth > kMaxNesting || Hidden(path)) return;
    const int kind = element.kind().value_or(0);
    const Box box = Place(element, parent);
    const std::size_t index = Add(Make(path, depth, kind, IdOf(element), box, parent_clip));
    layout_.elements[index].state = state;
    layout_.elements[index].hints = Hints(element);
    const Box clip = layout_.elements[index].clip;
    switch (kind) {
      case schema::kImage:
        layout_.elements[index].image = Unsigned(element, key::image::kImage);
        layout_.elements[index].opaque = true;
        break;
      case schema::kText:
        TextElement(element, index);
        break;
      case schema::kButton:
        Button(element, path, index, depth);
        break;
      case schema::kStringField:
      case schema::kInputField:
      case schema::kEntryBox:
      case schema::kPictureFrame:
        layout_.elements[index].opaque = true;
        break;
      case schema::kHtmlView:
        layout_.elements[index].opaque = true;
        layout_.elements[index].fill = Unsigned(element, key::html_view::kBackground, 0xFFFFFF);
        break;
      case schema::kCaptionedField: {
        layout_.elements[index].opaque = true;
        const Box label{box.x, box.y, box.width, std::min(kCaptionedFieldLabel, box.height)};
        layout_.elements[index].text = Text(ReadText(element, key::control::kValue).text,
                                            HostFont(), schema::kFormatSingleLine, 0, label);
        break;
      }
      case schema::kIconLabel:
        // The edge behind, the icon, then the text.
        for (const int part_key :
             {key::icon_label::kEdge, key::icon_label::kIcon, key::icon_label::kLabel}) {
          const schema::ReadResult<__packet> part = schema::ReadPacket(element, part_key);
          if (part)
            Child(part.value, schema::PathStep(path, "key", part_key), box, clip, depth + 1, state);
        }
        break;
      case schema::kInformationBar:
        layout_.elements[index].opaque = true;
        layout_.elements[index].fill = Unsigned(element, key::info_bar::kBackground, 0xFFFFFF);
        Containers(element, path, box, clip, depth + 1, state);
        InformationBar(element, path, box, clip, depth + 1);
        break;
      case schema::kSplitView:
        SplitView(element, path, box, clip, depth + 1);
        break;
      default:
        // Windows nested in windows, areas, frames, image-set areas: their
        // containers, if any.
        Containers(element, path, box, clip, depth + 1, state);
        break;
    }
  }

  // The hint records under the keys the element's kind keeps hints in; one
  // with neither title nor text (an input field's empty record) shows nothing.
  static std::vector<Hint> Hints(const __packet& element) {
    std::vector<Hint> hints;
    for (const schema::Field& field : schema::FieldsOf(element.kind().value_or(0), element)) {
      if (field.nested != schema::Nested::hint && field.nested != schema::Nested::input_hint) {
        continue;
      }
      const schema::ReadResult<schema::HintView> record = schema::ReadHint(element, field.key);
      if (!record || (record.value.title.empty() && record.value.text.empty())) continue;
      hints.push_back({field.key, record.value.code, record.value.style, record.value.icon,
                       record.value.title, record.value.text, record.value.flags});
    }
    return hints;
  }

  void TextElement(const __packet& text, std::size_t index) {
    Element& element = layout_.elements[index];
    const std::uint32_t background = Unsigned(text, key::text::kBackground, schema::kTransparent);
    element.opaque = background != schema::kTransparent;
    if (element.opaque) element.fill = background;
    const schema::TextValue value = ReadText(text, key::text::kText);
    if (value.form != schema::TextForm::text) return;
    element.text = Text(value.text, TextFont(text), Unsigned(text, key::text::kFormat),
                        Unsigned(text, key::text::kColour), element.box);
    element.text->style = Unsigned(text, key::text::kStyle);
  }

  // ---- Buttons ---------------------------------------------------------------

  static bool IsCheckBox(std::uint32_t control) {
    return std::find(kCheckBoxControls.begin(), kCheckBoxControls.end(), control) !=
           kCheckBoxControls.end();
  }

  void Button(const __packet& button, const std::string& path, std::size_t index, int depth) {
    if (schema::DetectButtonLayout(button) == schema::ButtonLayout::text_shaped) {
      TextShapedButton(button, index);
      return;
    }
    layout_.elements[index].look = ButtonLook::pictures;
    if (!options_.all_states) {
      StateGroup(button, path, index, depth, options_.state);
      return;
    }
    const bool second = schema::ReadStateSet(button, schema::ButtonSet::second).presence ==
                        schema::SetPresence::present;
    for (int s = 0; s < kButtonStateCount; ++s) {
      const auto state = static_cast<ButtonState>(s);
      if (state == ButtonState::checked && !second) continue;
      StateGroup(button, path, index, depth, state);
    }
  }

  // The groups a state shows: one group of the first set, or for "checked" the
  // groups of the second set (all four when every state is laid out).
  void StateGroup(const __packet& button, const std::string& path, std::size_t index, int depth,
                  ButtonState state) {
    schema::ButtonSet set = schema::ButtonSet::first;
    std::vector<int> groups{std::min(static_cast<int>(state) + 1, schema::kButtonStates)};
    if (state == ButtonState::checked) {
      groups = {1};
      if (schema::ReadStateSet(button, schema::ButtonSet::second).presence ==
          schema::SetPresence::present) {
        set = schema::ButtonSet::second;
        if (options_.all_states) groups = {1, 2, 3, 4};
      }
    }
    const schema::StateSetView view = schema::ReadStateSet(button, set);
    const std::uint32_t style = Unsigned(button, key::control::kStyle);
    for (const int group_number : groups) {
      const schema::StateGroupView& group = view.groups[static_cast<std::size_t>(group_number - 1)];
      // Text buttons of the push-button style (the dialogs' and forms' OK and
      // Cancel) get the host's button face; the others draw only their layers
      // and caption.
      if (group.shape == schema::GroupShape::caption_only && style == schema::kButtonText) {
        layout_.elements[index].look = ButtonLook::push;
        layout_.elements[index].opaque = true;
      }
      layout_.elements[index].state = state;
      const Box box = layout_.elements[index].box;
      const Box clip = layout_.elements[index].clip;
      if (group.layers) {
        Container(button, group.keys.layers, true, path, box, clip, depth + 1, state);
      }
      if (group.caption) {
        const std::string at = schema::PathStep(path, "key", group.keys.caption);
        if (Hidden(at)) continue;
        const std::size_t caption =
            Add(Make(at, depth + 1, schema::kText, IdOf(group.caption.value),
                     Place(group.caption.value, box), clip));
        layout_.elements[caption].state = state;
        TextElement(group.caption.value, caption);
      }
    }
  }

  // The second dialog family's buttons: a caption in text element keys.
  void TextShapedButton(const __packet& button, std::size_t index) {
    Element& element = layout_.elements[index];
    element.state = options_.state;
    const std::uint32_t points = Unsigned(button, key::text::kSize);
    std::uint32_t format = schema::kFormatSingleLine | schema::kFormatVCentre;
    Box text_box = element.box;
    Font font = TextFont(button);
    if (IsCheckBox(Unsigned(button, key::text::kId))) {
      element.look = ButtonLook::check_box;
      const int check = options_.check_box;
      text_box = {element.box.x + check + kCheckBoxGap, element.box.y,
                  element.box.width - check - kCheckBoxGap, element.box.height};
    } else if (element.box.height < kPushButtonMinHeight || points != 0) {
      element.look = ButtonLook::link;
      font.underline = true;
    } else {
      element.look = ButtonLook::push;
      element.opaque = true;
      format |= schema::kFormatCentre;
    }
    const schema::TextValue value = ReadText(button, key::text::kText);
    if (value.form != schema::TextForm::text) return;
    element.text = Text(value.text, font, format, Unsigned(button, key::text::kColour), text_box);
  }

  // ---- Information bar -------------------------------------------------------

  // Each parsed text of the bar, on one line right of the first icon. The bar
  // shows one at a time; all are laid out, in the same place, so each is
  // judged against the room the bar gives it.
  void InformationBar(const __packet& bar, const std::string& path, const Box& box, const Box& clip,
                      int depth) {
    const schema::ReadResult<__packet> texts = schema::ReadPacket(bar, key::info_bar::kTexts);
    if (!texts) return;
    Font font;
    font.face = ReadText(bar, key::info_bar::kFace).text;
    const std::uint32_t size = Unsigned(bar, key::info_bar::kSize);
    font.point_size = static_cast<int>(size == 0 || size > 1000 ? schema::kDefaultTextSize : size);
    const std::uint32_t link = Unsigned(bar, key::info_bar::kLinkColour, schema::kBlue);
    const std::string texts_at = schema::PathStep(path, "key", key::info_bar::kTexts);
    const Box text_box{box.x + kInfoTextLeft, box.y, std::max(box.width - 2 * kInfoTextLeft, 0),
                       box.height};
    bool first = true;
    schema::VisitChildren(texts.value, static_cast<std::uint32_t>(schema::TopKeyOf(texts.value)),
                          [&](const schema::ChildEntry& text) {
                            if (text.packet == nullptr) return;
                            const std::string at = schema::PathStep(texts_at, "text", text.key);
                            if (Hidden(at)) return;
                            InformationText(*text.packet, at, font, link, text_box, clip, depth);
                            layout_.elements.back().alternate = !first;
                            first = false;
                          });
  }

  void InformationText(const __packet& runs_packet, const std::string& path, const Font& font,
                       std::uint32_t link, const Box& text_box, const Box& clip, int depth) {
    Element element = Make(path, depth, 0, 0, text_box, clip);
    element.part = Part::info_text;
    std::vector<std::wstring> texts;
    std::vector<bool> links;
    std::wstring whole;
    schema::VisitChildren(
        runs_packet, static_cast<std::uint32_t>(schema::TopKeyOf(runs_packet)),
        [&](const schema::ChildEntry& run) {
          if (run.packet == nullptr) return;
          texts.push_back(ReadText(*run.packet, key::run::kText).text);
          links.push_back(Unsigned(*run.packet, key::run::kType) == language::kInfoRunLink);
          whole += texts.back();
        });
    std::vector<std::wstring_view> views(texts.begin(), texts.end());
    const std::vector<int> widths = measurer_.Widths(font, views);
    ElementText shown;
    shown.text = whole;
    shown.font = font;
    shown.format = schema::kFormatSingleLine | schema::kFormatVCentre;
    shown.box = text_box;
    shown.colour = link;
    shown.layout.line_height = std::max(measurer_.LineHeight(font), 1);
    shown.layout.character_height =
        std::clamp(measurer_.CharacterHeight(font), 1, shown.layout.line_height);
    long long x = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      element.runs.push_back({texts[i], links[i], Saturate(x), widths[i]});
      x += widths[i];
    }
    shown.layout.needed_width = Saturate(x);
    shown.layout.needed_height = shown.layout.character_height;
    shown.layout.fits_width = x <= text_box.width;
    shown.layout.fits_height = shown.layout.character_height <= text_box.height;
    TextLine line;
    line.text = whole;
    line.width = shown.layout.needed_width;
    line.y = (text_box.height - shown.layout.line_height) / 2;
    shown.layout.lines.push_back(std::move(line));
    element.text = std::move(shown);
    Add(std::move(element));
  }

  // ---- Split view ------------------------------------------------------------

  // Split flag 1 sets the panes side by side, 0 one above the other; pane 1
  // takes size A along that axis, the splitter lies between, pane 2 takes the
  // rest.
  void SplitView(const __packet& view, const std::string& path, const Box& box, const Box& clip,
                 int depth) {
    const bool side_by_side = Unsigned(view, key::control::kStyle) != 0;
    const int extent = std::max(side_by_side ? box.width : box.height, 0);
    const int first = static_cast<int>(std::min<std::uint32_t>(
        Unsigned(view, key::split_view::kSizeA), static_cast<std::uint32_t>(extent)));
    const int splitter = std::min(kSplitterThickness, extent - first);
    const int rest = extent - first - splitter;
    Box pane1 = box, bar = box, pane2 = box;
    if (side_by_side) {
      pane1.width = first;
      bar.x += first;
      bar.width = splitter;
      pane2.x = bar.x + splitter;
      pane2.width = rest;
    } else {
      pane1.height = first;
      bar.y += first;
      bar.height = splitter;
      pane2.y = bar.y + splitter;
      pane2.height = rest;
    }
    Container(view, key::split_view::kPane1, false, path, pane1, Intersect(pane1, clip), depth,
              std::nullopt);
    Container(view, key::split_view::kSplitter, true, path, bar, Intersect(bar, clip), depth,
              std::nullopt);
    Container(view, key::split_view::kPane2, false, path, pane2, Intersect(pane2, clip), depth,
              std::nullopt);
  }

  // ---- Menus -------------------------------------------------------------------

  int TextWidth(const std::wstring& caption) {
    return LayOutText(caption, HostFont(), schema::kFormatSingleLine, INT_MAX, INT_MAX, measurer_)
        .needed_width;
  }

  static int ItemsHeight(const schema::MenuView& menu) {
    long long height = 2;
    for (const schema::MenuItemView& item : menu.items) {
      height += item.separator ? kSeparatorHeight : kItemHeight;
    }
    return Saturate(height);
  }

  int PopupWidth(const schema::MenuView& menu) {
    int width = kPopupMinText;
    for (const schema::MenuItemView& item : menu.items) {
      width = std::max(width, TextWidth(item.caption));
    }
    return Saturate(static_cast<long long>(width) + kPictureColumn + kArrowColumn + 2);
  }

  Element MenuElement(const std::string& path, int depth, std::uint32_t id, const Box& box) const {
    Element element = Make(path, depth, 0, id, box, box);
    element.opaque = true;
    return element;
  }

  // Lays out a popup at (x, y) and its submenus to its right; returns the right
  // edge of everything laid out, and grows the layout's extent.
  int Popup(const schema::MenuView& menu, const std::string& path, int x, int y, int depth) {
    const Box box{x, y, PopupWidth(menu), ItemsHeight(menu)};
    Element popup = MenuElement(path, depth, 0, box);
    popup.part = Part::popup;
    Add(std::move(popup));
    int right = box.right();
    int item_y = y + 1;
    const std::string list = schema::PathStep(path, "key", key::menu::kItems);
    // Submenus open one after another to the right, each at least at its item.
    int next_column_y = y;
    for (const schema::MenuItemView& item : menu.items) {
      const std::string at = schema::PathStep(list, "item", item.index);
      const int height = item.separator ? kSeparatorHeight : kItemHeight;
      const Box row{x + 1, item_y, box.width - 2, height};
      Element element = MenuElement(at, depth + 1, item.command, row);
      element.part = Part::menu_item;
      element.menu_flags = item.flags;
      element.separator = item.separator;
      element.submenu = item.submenu.has_value();
      if (item.image && *item.image != 0) element.image = *item.image;
      if (!item.separator) {
        const Box text{row.x + kPictureColumn, row.y, row.width - kPictureColumn - kArrowColumn,
                       row.height};
        element.text = Text(item.caption, HostFont(),
                            schema::kFormatSingleLine | schema::kFormatVCentre, 0, text);
      }
      Add(std::move(element));
      if (item.submenu && depth < kMaxNesting) {
        const int submenu_key = (item.index - 1) * schema::kMenuItemKeys + schema::kItemSubmenu;
        const int sub_y = std::max(item_y, next_column_y);
        const int sub_right = Popup(*item.submenu, schema::PathStep(at, "key", submenu_key),
                                    box.right() + kMenuGap, sub_y, depth + 2);
        right = std::max(right, sub_right);
        next_column_y =
            Saturate(static_cast<long long>(sub_y) + ItemsHeight(*item.submenu) + kMenuGap);
      }
      item_y += height;
    }
    layout_.width = std::max(layout_.width, Saturate(static_cast<long long>(right) + kMenuGap));
    layout_.height = std::max(
        {layout_.height, Saturate(static_cast<long long>(box.bottom()) + kMenuGap), next_column_y});
    return right;
  }

  void Menu(const __packet& packet) {
    const schema::ReadResult<schema::MenuView> read = schema::ReadMenu(packet);
    const schema::MenuView& menu = read.value;
    const std::string path = RootPath(packet);
    std::vector<int> widths;
    long long bar_width = 0;
    for (const schema::MenuItemView& item : menu.items) {
      widths.push_back(
          Saturate(static_cast<long long>(TextWidth(item.caption)) + 2 * kBarItemPadding));
      bar_width += widths.back();
    }
    layout_.width = Saturate(bar_width + kMenuGap);
    layout_.height = kBarHeight + kMenuGap;
    const Box bar{0, 0, Saturate(bar_width), kBarHeight};
    layout_.client = bar;
    Element root = MenuElement(path, 0, 0, bar);
    root.kind = schema::kMenu;
    Add(std::move(root));
    const std::string list = schema::PathStep(path, "key", key::menu::kItems);
    int x = 0;
    int next_popup_x = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
      const schema::MenuItemView& item = menu.items[i];
      const std::string at = schema::PathStep(list, "item", item.index);
      const Box cell{x, 0, widths[i], kBarHeight};
      Element element = MenuElement(at, 1, item.command, cell);
      element.part = Part::menu_bar_item;
      element.opaque = false;
      element.menu_flags = item.flags;
      element.submenu = item.submenu.has_value();
      element.text = Text(item.caption, HostFont(), schema::kFormatCentredLine, 0, cell);
      Add(std::move(element));
      if (item.submenu) {
        const int submenu_key = (item.index - 1) * schema::kMenuItemKeys + schema::kItemSubmenu;
        const int popup_x = std::max(x, next_popup_x);
        next_popup_x = Saturate(
            static_cast<long long>(Popup(*item.submenu, schema::PathStep(at, "key", submenu_key),
                                         popup_x, kBarHeight, 2)) +
            kMenuGap);
      }
      x = Saturate(static_cast<long long>(x) + widths[i]);
    }
  }

  // ---- Visibility --------------------------------------------------------------

  static bool Inside(const std::string& path, const std::string& ancestor) {
    return path.size() > ancestor.size() + 3 && path.compare(0, ancestor.size(), ancestor) == 0 &&
           path.compare(ancestor.size(), 3, " > ") == 0;
  }

  static bool Covers(const Box& outer, const Box& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && outer.right() >= inner.right() &&
           outer.bottom() >= inner.bottom();
  }

  // An element is hidden when nothing of it is inside its ancestors, or an
  // opaque element drawn after it, and not inside it, covers what is left.
  void Visibility() {
    std::vector<Element>& all = layout_.elements;
    for (std::size_t i = 0; i < all.size(); ++i) {
      Element& element = all[i];
      Box seen = element.clip;
      if (element.text) seen = Intersect(element.text->box, element.clip);
      if (seen.empty()) {
        element.visible = false;
        continue;
      }
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        const Element& later = all[j];
        if (!later.opaque || later.alternate || !Covers(later.clip, seen) ||
            Inside(later.path, element.path)) {
          continue;
        }
        element.visible = false;
        break;
      }
    }
  }

  // A text fits only where its lines lie inside the window: a box that reaches
  // past the window's edge is cut there. (What a split view's panes cut is
  // not judged: the host sizes the panes.)
  void FitToClip() {
    const Box window = menu_ ? Box{0, 0, layout_.width, layout_.height} : layout_.client;
    std::vector<std::string> split_views;
    for (const Element& element : layout_.elements) {
      if (element.kind == schema::kSplitView) split_views.push_back(element.path);
    }
    for (Element& element : layout_.elements) {
      if (!element.text || Intersect(element.text->box, element.clip).empty()) continue;
      element.text->visible = element.text->box;
      const bool in_pane =
          std::any_of(split_views.begin(), split_views.end(),
                      [&](const std::string& view) { return Inside(element.path, view); });
      if (in_pane) continue;
      ElementText& text = *element.text;
      text.visible = Intersect(text.box, window);
      const Box& visible = text.visible;
      if (visible.empty() || text.layout.lines.empty()) continue;
      for (const TextLine& line : text.layout.lines) {
        const long long left = static_cast<long long>(text.box.x) + line.x;
        if (left < visible.x || left + line.width > visible.right()) text.layout.fits_width = false;
      }
      const long long top = static_cast<long long>(text.box.y) + text.layout.lines.front().y;
      const long long bottom = static_cast<long long>(text.box.y) + text.layout.lines.back().y +
                               text.layout.character_height;
      if (top < visible.y || bottom > visible.bottom()) text.layout.fits_height = false;
    }
  }

  Measurer& measurer_;
  const Options& options_;
  bool menu_ = false;
  Layout layout_;
};

}  // namespace

Box Intersect(const Box& a, const Box& b) {
  const long long left = std::max(a.x, b.x);
  const long long top = std::max(a.y, b.y);
  const long long right = std::min<long long>(static_cast<long long>(a.x) + a.width,
                                              static_cast<long long>(b.x) + b.width);
  const long long bottom = std::min<long long>(static_cast<long long>(a.y) + a.height,
                                               static_cast<long long>(b.y) + b.height);
  if (right <= left || bottom <= top) return {a.x, a.y, 0, 0};
  return {static_cast<int>(left), static_cast<int>(top), Saturate(right - left),
          Saturate(bottom - top)};
}

std::string_view ElementName(const Element& element) {
  switch (element.part) {
    case Part::menu_bar_item:
      return "menu bar item";
    case Part::popup:
      return "popup";
    case Part::menu_item:
      return element.separator ? "separator" : "menu item";
    case Part::info_text:
      return "information text";
    case Part::element:
      break;
  }
  return schema::KindName(element.kind);
}

std::string_view ButtonStateName(ButtonState state) {
  for (const auto& [name, value] : kStateNames) {
    if (value == state) return name;
  }
  return "normal";
}

std::optional<ButtonState> ParseButtonState(std::string_view name) {
  for (const auto& [text, state] : kStateNames) {
    if (text == name) return state;
  }
  return std::nullopt;
}

Layout LayOut(const __packet& description, int width, int height, Measurer& measurer,
              const Options& options) {
  return Walker(measurer, options).Run(description, width, height);
}

std::string_view AxisName(Axis axis) { return axis == Axis::width ? "width" : "height"; }

std::vector<Overflow> FindOverflows(const Layout& layout) {
  std::vector<Overflow> found;
  for (const Element& element : layout.elements) {
    // A text whose box shows nothing at this size is not shown to be judged.
    if (!element.text) continue;
    if (Intersect(element.text->box, element.clip).empty()) continue;
    const Box& visible = element.text->visible;
    const TextLayout& text = element.text->layout;
    if (!text.fits_width)
      found.push_back({&element, Axis::width, text.needed_width, visible.width});
    if (!text.fits_height) {
      found.push_back({&element, Axis::height, text.needed_height, visible.height});
    }
  }
  return found;
}

}  // namespace ctrlelem::layout
