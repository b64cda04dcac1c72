#include "render/renderer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>

#include "language/infobar.h"
#include "language/utf8.h"
#include "schema/anchor.h"
#include "schema/constants.h"
#include "schema/element_path.h"
#include "schema/kind_table.h"
#include "schema/readers.h"
#include "screen/profile.h"
#include "screen/screen.h"

namespace ctrlelem_tool::render {
namespace {

namespace schema = ctrlelem::schema;
namespace key = ctrlelem::schema::key;
using schema::ReadText;
using schema::ReadUnsigned;

// ---- The look of what the host draws itself ---------------------------------

constexpr Colour kWindowFace = 0xF0F0F0;
constexpr Colour kFrameColour = 0x8C8C8C;
constexpr Colour kCaptionBar = 0xD77800;  // a blue title bar
constexpr Colour kCaptionText = 0xFFFFFF;
constexpr Colour kFieldFace = 0xFFFFFF;
constexpr Colour kFieldBorder = 0x7A7A7A;
constexpr Colour kAreaFace = 0xF7F7F7;
constexpr Colour kAreaBorder = 0xB4B4B4;
constexpr Colour kPictureFace = 0x4A4A4A;
constexpr Colour kPictureLabel = 0xDDDDDD;
constexpr Colour kPlaceholderLabel = 0x555555;
constexpr Colour kGreyText = 0x848484;
constexpr Colour kOverflowColour = 0x0000FF;  // red
constexpr Colour kOutlineColour = 0xC000C0;
constexpr Colour kMenuFace = 0xF2F2F2;
constexpr Colour kMenuBorder = 0x979797;
constexpr Colour kSeparator = 0xD7D7D7;
constexpr int kLabelPoints = 7;  // placeholder and outline labels
constexpr int kSplitterThickness = 4;
// Elements nested deeper are not drawn: foreign bytes may nest without end.
constexpr int kMaxNesting = 64;

// Push buttons by state: face and border.
struct ButtonLook {
  Colour face;
  Colour border;
  Colour text;
};
constexpr std::array<ButtonLook, 5> kButtonLooks = {{
    {0xE1E1E1, 0xADADAD, 0x000000},  // normal
    {0xFBF1E5, 0xD77800, 0x000000},  // hover
    {0xF7E4CC, 0x995400, 0x000000},  // pressed
    {0xCCCCCC, 0xBFBFBF, 0x838383},  // disabled
    {0xF7E4CC, 0x995400, 0x000000},  // checked
}};

constexpr std::wstring_view kSansSerif = L"sans-serif";

// Pictures have no pixels of ours: a pale colour per number, so the same
// picture looks the same wherever it stands.
Colour PlaceholderColour(std::uint32_t number, bool dark) {
  const std::uint32_t hash = (number & 0xFFFF) * 2654435761u;
  const int r = 150 + static_cast<int>(hash >> 8 & 0x5F);
  const int g = 150 + static_cast<int>(hash >> 16 & 0x5F);
  const int b = 150 + static_cast<int>(hash >> 24 & 0x5F);
  const auto shade = [dark](int c) { return dark ? c - 90 : 255 - (255 - c) / 3; };
  return static_cast<Colour>(shade(r) | shade(g) << 8 | shade(b) << 16);
}

Box Inset(const Box& box, int by) {
  return {box.x + by, box.y + by, box.width - 2 * by, box.height - 2 * by};
}

struct Area {
  Box box;  // in image coordinates
};

class Painter {
 public:
  Painter(std::uint32_t id, const RenderOptions& options, Canvas& canvas)
      : id_(id), options_(options), canvas_(canvas) {
    const screen::Profile profile = screen::CurrentProfile();
    dpi_ = profile.dpi_y;
  }

  Rendering Run(const __packet& description) {
    const int kind = description.kind().value_or(0);
    if (kind == schema::kMenu) {
      Menu(description);
    } else {
      Window(description);
    }
    return std::move(result_);
  }

 private:
  // ---- Element brackets ----------------------------------------------------

  void Begin(const std::string& path, int kind, std::uint32_t element_id, const Box& box,
             std::wstring text = {}) {
    ElementInfo info{path, kind, element_id, box, std::move(text)};
    result_.elements.push_back({info, depth_});
    canvas_.BeginElement(info);
    ++depth_;
  }

  void End(const Box& box, std::uint32_t element_id) {
    if (options_.outline && box.width > 0 && box.height > 0) {
      canvas_.StrokeRect(box, kOutlineColour, 1, false);
      Label(box, std::to_wstring(element_id), kOutlineColour);
    }
    canvas_.EndElement();
    --depth_;
  }

  // ---- Text ------------------------------------------------------------------

  Font FontFor(std::wstring_view face, std::uint32_t points, bool bold) {
    return OpenFont({std::wstring(face.empty() ? kSansSerif : face),
                     static_cast<int>(points == 0 ? schema::kTextSize : points), bold ? 700 : 400},
                    dpi_);
  }

  // Draws laid-out text in the box; returns the layout.
  TextLayout Text(const Font& font, std::wstring_view text, const Box& box, TextFormat format,
                  Colour colour, bool underline) {
    TextLayout layout = LayOutText(font, text, box.width, box.height, format);
    for (const PlacedLine& line : layout.lines) {
      GlyphLine glyphs = line.line;
      if (underline) {
        glyphs.mnemonic_x = 0;
        glyphs.mnemonic_width = glyphs.width;
      }
      canvas_.Glyphs(font, glyphs, box.x + line.x, box.y + line.baseline, colour, box);
    }
    return layout;
  }

  void CheckOverflow(const TextLayout& layout, const std::string& path, std::wstring_view text,
                     const Box& box) {
    if (!layout.overflows) return;
    Overflow overflow{path, std::wstring(text), layout.needed_width, box.width, false};
    if (layout.needed_width <= box.width) {
      overflow.height = true;
      overflow.needed = layout.needed_height;
      overflow.available = box.height;
    }
    result_.overflows.push_back(std::move(overflow));
    if (options_.mark_overflow) canvas_.StrokeRect(box, kOverflowColour, 1, false);
  }

  // A small label in the top left corner, where it fits.
  void Label(const Box& box, const std::wstring& text, Colour colour) {
    const Font font = FontFor(kSansSerif, kLabelPoints, false);
    if (box.height < font.line_height || box.width < 8) return;
    TextFormat format;
    format.prefix = false;
    Text(font, text, Inset(box, 1), format, colour, false);
  }

  // ---- Placement ---------------------------------------------------------------

  // Where a child of the kind stands in the parent's area.
  static Box Place(const __packet& element, const Box& parent) {
    const schema::KindSchema* kind = schema::SchemaOf(element);
    if (kind == nullptr || kind->anchor_key == 0 || kind->rect_key == 0) return parent;
    const ReadResultOr anchor = ReadUnsigned(element, kind->anchor_key);
    const __val* rect_value = element.find(kind->rect_key);
    const std::optional<RECT> rect = rect_value ? rect_value->rect() : std::nullopt;
    if (!anchor || !rect) return parent;
    const ctrlelem::Placement placed = ctrlelem::PlaceChild(
        anchor.value, *rect, parent.width, parent.height, ctrlelem::RectFormForKind(kind->kind));
    return {parent.x + placed.left, parent.y + placed.top, placed.right - placed.left,
            placed.bottom - placed.top};
  }
  using ReadResultOr = schema::ReadResult<std::uint32_t>;

  static std::uint32_t Unsigned(const __packet& packet, int key, std::uint32_t fallback = 0) {
    const ReadResultOr value = ReadUnsigned(packet, key);
    return value ? value.value : fallback;
  }

  static std::uint32_t IdOf(const __packet& element) {
    const schema::KindSchema* kind = schema::SchemaOf(element);
    return kind && kind->id_key != 0 ? Unsigned(element, kind->id_key) : 0;
  }

  // ---- Windows -------------------------------------------------------------

  static std::optional<SIZE> SizeKey(const __packet& window, int key) {
    const __val* value = window.find(key);
    return value ? value->size() : std::nullopt;
  }

  void Window(const __packet& window) {
    const SIZE initial = SizeKey(window, key::window::kInitialSize)
                             .value_or(SizeKey(window, key::window::kMinSize).value_or(SIZE{0, 0}));
    int width = options_.width.value_or(initial.cx);
    int height = options_.height.value_or(initial.cy);
    // A (0, 0) minimum or maximum is none.
    if (const std::optional<SIZE> min = SizeKey(window, key::window::kMinSize)) {
      if (min->cx > 0) width = std::max(width, static_cast<int>(min->cx));
      if (min->cy > 0) height = std::max(height, static_cast<int>(min->cy));
    }
    if (const std::optional<SIZE> max = SizeKey(window, key::window::kMaxSize)) {
      if (max->cx > 0) width = std::min(width, static_cast<int>(max->cx));
      if (max->cy > 0) height = std::min(height, static_cast<int>(max->cy));
    }
    result_.width = std::max(width, 1);
    result_.height = std::max(height, 1);
    const Box box{0, 0, result_.width, result_.height};
    const std::string path = std::to_string(id_);
    Begin(path, schema::kWindow, id_, box, ReadText(window, key::window::kCaption).text);
    WindowBody(window, path, box, true);
    End(box, id_);
  }

  // A resizable window with this style (element id 4) takes its sizes from a
  // client area plus the system frame and caption: it gets both drawn. The
  // others (skinned windows with frame pictures of their own, forms and
  // dialogs whose children fill exactly their size) are drawn as client areas.
  static constexpr std::uint32_t kStyleSystemFrame = 0x11;

  void WindowBody(const __packet& window, const std::string& path, const Box& box, bool top_level) {
    canvas_.FillRect(box, kWindowFace);
    Box client = box;
    if (top_level &&
        (Unsigned(window, key::window::kStyle) & kStyleSystemFrame) == kStyleSystemFrame) {
      screen::Screen& screen = screen::Current();
      const int fx = screen.SystemMetric(screen::Metric::cxframe);
      const int fy = screen.SystemMetric(screen::Metric::cyframe);
      const int caption = screen.SystemMetric(screen::Metric::cycaption);
      canvas_.FillRect(box, kFrameColour);
      const Box bar{box.x + fx, box.y + fy, box.width - 2 * fx, caption};
      canvas_.FillRect(bar, kCaptionBar);
      const Font font = FontFor(kSansSerif, schema::kTextSize, true);
      TextFormat format = FormatFromBits(schema::kFormatSingleLine | schema::kFormatVCentre);
      format.prefix = false;
      Text(font, ReadText(window, key::window::kCaption).text, Inset(bar, 1), format, kCaptionText,
           false);
      client = {box.x + fx, box.y + fy + caption, box.width - 2 * fx,
                box.height - 2 * fy - caption};
      canvas_.FillRect(client, kWindowFace);
    }
    Containers(window, path, client);
  }

  // Every children or layer container of the element, in key order.
  void Containers(const __packet& owner, const std::string& path, const Box& area) {
    if (!owner.kind()) return;
    for (const schema::Field& field : schema::FieldsOf(*owner.kind(), owner)) {
      if (field.nested != schema::Nested::children && field.nested != schema::Nested::layers) {
        continue;
      }
      Container(owner, field.key, field.nested == schema::Nested::layers, path, area);
    }
  }

  void Container(const __packet& owner, int key, bool layers, const std::string& path,
                 const Box& area) {
    const schema::ReadResult<schema::ContainerView> container = schema::ReadContainer(owner, key);
    if (!container) return;
    const std::string at = schema::PathStep(path, "key", key);
    schema::VisitChildren(container.value, [&](const schema::ChildEntry& child) {
      if (child.packet == nullptr || !child.packet->kind()) return;
      Element(*child.packet, schema::PathStep(at, layers ? "layer" : "child", child.key), area);
    });
  }

  // ---- Elements --------------------------------------------------------------

  void Element(const __packet& element, const std::string& path, const Box& parent) {
    if (depth_ > kMaxNesting) return;
    const int kind = element.kind().value_or(0);
    const Box box = Place(element, parent);
    const std::uint32_t element_id = IdOf(element);
    std::wstring shown;
    if (kind == schema::kText ||
        (kind == schema::kButton &&
         schema::DetectButtonLayout(element) == schema::ButtonLayout::text_shaped)) {
      shown = ReadText(element, key::text::kText).text;
    }
    Begin(path, kind, element_id, box, shown);
    switch (kind) {
      case schema::kImage:
        Image(Unsigned(element, key::image::kImage), box);
        break;
      case schema::kText:
        TextElement(element, path, box, std::nullopt);
        break;
      case schema::kButton:
        Button(element, path, box);
        break;
      case schema::kStringField:
      case schema::kInputField:
      case schema::kEntryBox:
        Field(box);
        break;
      case schema::kCaptionedField:
        CaptionedField(element, path, box);
        break;
      case schema::kStyledArea:
      case schema::kStringArea:
      case schema::kFramedArea:
      case schema::kPlainArea:
        HostArea(box, kind, element_id);
        break;
      case schema::kImageSetArea:
        HostArea(box, kind, element_id);
        Containers(element, path, box);
        break;
      case schema::kPictureFrame:
        PictureFrame(box, Unsigned(element, key::control::kStyle));
        break;
      case schema::kPlainFrame:
        canvas_.FillRect(box, kAreaFace);
        canvas_.StrokeRect(box, kFieldBorder, 1, false);
        Label(box, L"frame " + std::to_wstring(element_id), kPlaceholderLabel);
        break;
      case schema::kTwinImage:
        Image(Unsigned(element, key::twin_image::kFirstImage), box);
        break;
      case schema::kIconLabel:
        IconLabel(element, path, box);
        break;
      case schema::kInformationBar:
        InformationBar(element, path, box);
        break;
      case schema::kSplitView:
        SplitView(element, path, box);
        break;
      case schema::kHtmlView:
        HtmlView(element, box);
        break;
      case schema::kPaneWindow:
      case schema::kStripWindow:
      case schema::kWindow:
        WindowBody(element, path, box, false);
        break;
      default:
        break;
    }
    End(box, element_id);
  }

  void Image(std::uint32_t number, const Box& box) {
    if (box.width <= 0 || box.height <= 0) return;
    if (!options_.images_dir.empty()) {
      const std::filesystem::path file =
          std::filesystem::path(options_.images_dir) / (std::to_string(number) + ".png");
      std::error_code ec;
      if (std::filesystem::is_regular_file(file, ec) && canvas_.Picture(box, file.string())) {
        return;
      }
    }
    canvas_.FillRect(box, PlaceholderColour(number, false));
    canvas_.StrokeRect(box, PlaceholderColour(number, true), 1, true);
    std::wstring label = L"#" + std::to_wstring(number & ~schema::kFourthStateImage);
    if ((number & schema::kFourthStateImage) != 0) label += L"'";
    Label(box, label, kPlaceholderLabel);
  }

  // A text element, or the caption of a button; `forced` replaces the text's
  // own colour (a disabled push button greys its caption).
  void TextElement(const __packet& text, const std::string& path, const Box& box,
                   std::optional<Colour> forced) {
    const Colour background = Unsigned(text, key::text::kBackground, schema::kTransparent);
    if (background != schema::kTransparent) canvas_.FillRect(box, background);
    const schema::TextValue value = ReadText(text, key::text::kText);
    if (value.text.empty()) return;
    const std::uint32_t style = Unsigned(text, key::text::kStyle);
    const Font font =
        FontFor(ReadText(text, key::text::kFace).text, Unsigned(text, key::text::kSize),
                (style & schema::kFontStyleLabel) != 0);
    Colour colour = Unsigned(text, key::text::kColour);
    if ((style & schema::kFontStyleFourth) != 0) colour = kGreyText;
    if (forced) colour = *forced;
    TextFormat format = FormatFromBits(Unsigned(text, key::text::kFormat));
    // A text not confined to one line whose rectangle holds two lines or more
    // breaks at words, as the host's static text controls do (the dialogs'
    // messages carry format 0 in rectangles three lines high).
    if (!format.single_line && box.height >= 2 * std::max(font.line_height, 1)) {
      format.word_break = true;
    }
    const TextLayout layout =
        Text(font, value.text, box, format, colour, (style & schema::kFontStyleLink) != 0);
    CheckOverflow(layout, path, value.text, box);
  }

  // ---- Buttons ---------------------------------------------------------------

  int StateIndex() const { return static_cast<int>(options_.state); }

  void PushButtonFace(const Box& box) {
    const ButtonLook& look = kButtonLooks[static_cast<std::size_t>(StateIndex())];
    canvas_.FillRect(box, look.face);
    canvas_.StrokeRect(box, look.border, 1, false);
  }

  void Button(const __packet& button, const std::string& path, const Box& box) {
    if (schema::DetectButtonLayout(button) == schema::ButtonLayout::text_shaped) {
      TextShapedButton(button, path, box);
      return;
    }
    // The state group to draw: the asked state of the first set; "checked"
    // is the second set's first state where the button has a second set.
    schema::ButtonSet set = schema::ButtonSet::first;
    int state = std::min(StateIndex() + 1, schema::kButtonStates);
    if (options_.state == ButtonState::checked) {
      state = 1;
      if (schema::ReadStateSet(button, schema::ButtonSet::second).presence ==
          schema::SetPresence::present) {
        set = schema::ButtonSet::second;
      }
    }
    const schema::StateSetView view = schema::ReadStateSet(button, set);
    const schema::StateGroupView& group = view.groups[static_cast<std::size_t>(state - 1)];
    const std::uint32_t style = Unsigned(button, key::control::kStyle);
    // Text buttons of the push-button style (the dialogs' and forms' OK and
    // Cancel) get the host's button face; the others, links among them, draw
    // only their layers and caption.
    std::optional<Colour> forced;
    if (group.shape == schema::GroupShape::caption_only && style == schema::kButtonText) {
      PushButtonFace(box);
      if (options_.state == ButtonState::disabled) {
        forced = kButtonLooks[static_cast<std::size_t>(StateIndex())].text;
      }
    }
    if (group.layers) Container(button, group.keys.layers, true, path, box);
    if (group.caption) {
      const std::string at = schema::PathStep(path, "key", group.keys.caption);
      const Box caption_box = Place(group.caption.value, box);
      Begin(at, schema::kText, IdOf(group.caption.value), caption_box,
            ReadText(group.caption.value, key::text::kText).text);
      TextElement(group.caption.value, at, caption_box, forced);
      End(caption_box, IdOf(group.caption.value));
    }
  }

  // The second dialog family's buttons: a caption in text element keys. The
  // dialogs' check boxes (the boxes whose width is fitted to their label: a
  // box SM_CXMENUCHECK wide, 4 pixels, the caption) are known by their control
  // ids. A button lower than a push button, or one with a font size of its
  // own, is a link: its caption alone, underlined. The rest are push buttons.
  static constexpr std::array<std::uint32_t, 4> kCheckBoxControls = {978, 979, 984, 995};
  static constexpr int kPushButtonMinHeight = 20;
  static constexpr int kCheckBoxGap = 4;

  void TextShapedButton(const __packet& button, const std::string& path, const Box& box) {
    const std::wstring caption = ReadText(button, key::text::kText).text;
    const std::uint32_t points = Unsigned(button, key::text::kSize);
    const Font font = FontFor(ReadText(button, key::text::kFace).text, points, false);
    const ButtonLook& look = kButtonLooks[static_cast<std::size_t>(StateIndex())];
    TextFormat format = FormatFromBits(schema::kFormatSingleLine | schema::kFormatVCentre);
    Box text_box = box;
    bool underline = false;
    const std::uint32_t control = Unsigned(button, key::text::kId);
    if (std::find(kCheckBoxControls.begin(), kCheckBoxControls.end(), control) !=
        kCheckBoxControls.end()) {
      const int check = screen::Current().SystemMetric(screen::Metric::cxmenucheck);
      const Box square{box.x, box.y + (box.height - check) / 2, check, check};
      canvas_.FillRect(square, kFieldFace);
      canvas_.StrokeRect(square, look.border == kButtonLooks[0].border ? 0x333333 : look.border, 1,
                         false);
      if (options_.state == ButtonState::checked || options_.state == ButtonState::pressed) {
        canvas_.Line(square.x + 2, square.y + check / 2, square.x + check / 2 - 1,
                     square.y + check - 4, 0x000000);
        canvas_.Line(square.x + check / 2 - 1, square.y + check - 4, square.x + check - 3,
                     square.y + 2, 0x000000);
      }
      text_box = {box.x + check + kCheckBoxGap, box.y, box.width - check - kCheckBoxGap,
                  box.height};
    } else if (box.height < kPushButtonMinHeight || points != 0) {
      underline = true;
    } else {
      PushButtonFace(box);
      format.centre = true;
    }
    const Colour colour =
        options_.state == ButtonState::disabled ? look.text : Unsigned(button, key::text::kColour);
    const TextLayout layout = Text(font, caption, text_box, format, colour, underline);
    CheckOverflow(layout, path, caption, text_box);
  }

  // ---- Fields, areas, frames ---------------------------------------------------

  void Field(const Box& box) {
    canvas_.FillRect(box, kFieldFace);
    canvas_.StrokeRect(box, kFieldBorder, 1, false);
  }

  // A caption line above an edit box that takes the rest of the height.
  static constexpr int kCaptionedFieldLabel = 18;

  void CaptionedField(const __packet& field, const std::string& path, const Box& box) {
    const std::wstring caption = ReadText(field, key::control::kValue).text;
    const Box label{box.x, box.y, box.width, std::min(kCaptionedFieldLabel, box.height)};
    const Font font = FontFor(kSansSerif, schema::kTextSize, false);
    const TextLayout layout =
        Text(font, caption, label, FormatFromBits(schema::kFormatSingleLine), 0x000000, false);
    CheckOverflow(layout, path, caption, label);
    Field({box.x, box.y + label.height, box.width, box.height - label.height});
  }

  void HostArea(const Box& box, int kind, std::uint32_t element_id) {
    const std::string_view name = schema::KindName(kind);  // ASCII
    canvas_.FillRect(box, kind == schema::kStringArea ? kFieldFace : kAreaFace);
    canvas_.StrokeRect(box, kAreaBorder, 1, kind == schema::kPlainArea);
    Label(box, std::wstring(name.begin(), name.end()) + L" " + std::to_wstring(element_id),
          kGreyText);
  }

  void PictureFrame(const Box& box, std::uint32_t code) {
    canvas_.FillRect(box, kPictureFace);
    const std::wstring label =
        code == 0xFFFFFFFFu ? L"picture -1" : L"picture " + std::to_wstring(code);
    Label(box, label, kPictureLabel);
  }

  void HtmlView(const __packet& view, const Box& box) {
    canvas_.FillRect(box, Unsigned(view, key::html_view::kBackground, kFieldFace));
    canvas_.StrokeRect(box, kAreaBorder, 1, true);
    const std::wstring page = ReadText(view, key::html_view::kPage).text;
    Label(box, L"HTML " + (page.empty() ? std::wstring(L"(no page)") : page), kPlaceholderLabel);
  }

  void IconLabel(const __packet& label, const std::string& path, const Box& box) {
    // The edge behind, the icon, then the text.
    for (const int part_key :
         {key::icon_label::kEdge, key::icon_label::kIcon, key::icon_label::kLabel}) {
      const schema::ReadResult<__packet> part = schema::ReadPacket(label, part_key);
      if (part) Element(part.value, schema::PathStep(path, "key", part_key), box);
    }
  }

  // ---- Information bar -----------------------------------------------------------

  // Texts start right of the first icon (2 + 16 pixels) with a small gap.
  static constexpr int kInfoTextLeft = 22;

  void InformationBar(const __packet& bar, const std::string& path, const Box& box) {
    canvas_.FillRect(box, Unsigned(bar, key::info_bar::kBackground, kWindowFace));
    Containers(bar, path, box);
    // The bar shows one text at a time, the first until the host turns to
    // the next; each is checked against the room the bar gives it.
    const schema::ReadResult<__packet> texts = schema::ReadPacket(bar, key::info_bar::kTexts);
    if (!texts) return;
    const Font font = FontFor(ReadText(bar, key::info_bar::kFace).text,
                              Unsigned(bar, key::info_bar::kSize), false);
    const Colour link = Unsigned(bar, key::info_bar::kLinkColour, schema::kBlue);
    const int right = box.x + std::max(box.width - kInfoTextLeft, kInfoTextLeft);
    bool first = true;
    schema::VisitChildren(
        texts.value, static_cast<std::uint32_t>(schema::TopKeyOf(texts.value)),
        [&](const schema::ChildEntry& text) {
          if (text.packet == nullptr) return;
          InformationText(*text.packet,
                          schema::PathStep(schema::PathStep(path, "key", key::info_bar::kTexts),
                                           "text", text.key),
                          font, link, right, box, first);
          first = false;
        });
  }

  // One parsed text of an information bar: its runs after the first icon,
  // drawn when `shown`.
  void InformationText(const __packet& runs_packet, const std::string& path, const Font& font,
                       Colour link, int right, const Box& bar, bool shown) {
    struct Run {
      std::wstring text;
      bool is_link;
    };
    std::vector<Run> runs;
    std::wstring whole;
    schema::VisitChildren(
        runs_packet, static_cast<std::uint32_t>(schema::TopKeyOf(runs_packet)),
        [&](const schema::ChildEntry& run) {
          if (run.packet == nullptr) return;
          runs.push_back({ReadText(*run.packet, key::run::kText).text,
                          Unsigned(*run.packet, key::run::kType) == language::kInfoRunLink});
          whole += runs.back().text;
        });
    const int left = bar.x + kInfoTextLeft;
    const Box text_box{left, bar.y, std::max(right - left, 0), bar.height};
    Begin(path, 0, 0, text_box, whole);
    int x = left;
    for (const Run& run : runs) {
      if (shown) {
        TextFormat format = FormatFromBits(schema::kFormatSingleLine | schema::kFormatVCentre);
        format.prefix = false;
        const Box run_box{x, bar.y, std::max(right - x, 0), bar.height};
        Text(font, run.text, run_box, format, run.is_link ? link : 0x000000, run.is_link);
      }
      x += ShapeLine(font, run.text).width;
    }
    if (x > right) {
      result_.overflows.push_back({path, whole, x - left, text_box.width, false});
      if (options_.mark_overflow) canvas_.StrokeRect(text_box, kOverflowColour, 1, false);
    }
    End(text_box, 0);
  }

  // ---- Split view ------------------------------------------------------------------

  // Split flag 1 sets the panes side by side, 0 one above the other; pane 1
  // takes size A along that axis, the splitter lies between, pane 2 takes the
  // rest.
  void SplitView(const __packet& view, const std::string& path, const Box& box) {
    const bool side_by_side = Unsigned(view, key::control::kStyle) != 0;
    const int extent = side_by_side ? box.width : box.height;
    const int first =
        std::clamp(static_cast<int>(Unsigned(view, key::split_view::kSizeA)), 0, extent);
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
    Container(view, key::split_view::kPane1, false, path, pane1);
    Container(view, key::split_view::kSplitter, true, path, bar);
    Container(view, key::split_view::kPane2, false, path, pane2);
  }

  // ---- Menus -------------------------------------------------------------------------

  static constexpr int kBarHeight = 20;
  static constexpr int kBarItemPadding = 8;
  static constexpr int kItemHeight = 20;
  static constexpr int kSeparatorHeight = 7;
  static constexpr int kPictureColumn = 24;  // check marks and item pictures
  static constexpr int kArrowColumn = 20;
  static constexpr int kMenuGap = 6;

  Font MenuFont() { return FontFor(kSansSerif, schema::kTextSize, false); }

  int ItemsHeight(const schema::MenuView& menu) const {
    int height = 2;
    for (const schema::MenuItemView& item : menu.items) {
      height += item.separator ? kSeparatorHeight : kItemHeight;
    }
    return height;
  }

  int PopupWidth(const schema::MenuView& menu) {
    int width = 60;
    for (const schema::MenuItemView& item : menu.items) {
      TextFormat format;
      width = std::max(width, LayOutText(MenuFont(), item.caption, 1000, 100, format).needed_width);
    }
    return width + kPictureColumn + kArrowColumn + 2;
  }

  // Draws a popup at (x, y) and its submenus to its right; returns the right
  // edge of everything drawn, and grows the image's extent.
  int Popup(const schema::MenuView& menu, const std::string& path, int x, int y) {
    const Box box{x, y, PopupWidth(menu), ItemsHeight(menu)};
    Begin(path, 0, 0, box);
    canvas_.FillRect(box, kMenuFace);
    canvas_.StrokeRect(box, kMenuBorder, 1, false);
    int right = box.x + box.width;
    int bottom = box.y + box.height;
    int item_y = y + 1;
    const std::string list = schema::PathStep(path, "key", key::menu::kItems);
    // Submenus open one after another to the right, each at least at its item.
    int next_column_y = y;
    for (const schema::MenuItemView& item : menu.items) {
      const std::string at = schema::PathStep(list, "item", item.index);
      const int height = item.separator ? kSeparatorHeight : kItemHeight;
      const Box row{x + 1, item_y, box.width - 2, height};
      Begin(at, 0, item.command, row, item.caption);
      if (item.separator) {
        canvas_.Line(row.x + 2, row.y + height / 2, row.x + row.width - 3, row.y + height / 2,
                     kSeparator);
      } else {
        MenuItem(item, row);
      }
      End(row, item.command);
      if (item.submenu) {
        const int submenu_key = (item.index - 1) * schema::kMenuItemKeys + schema::kItemSubmenu;
        const int sub_y = std::max(item_y, next_column_y);
        const int sub_right = Popup(*item.submenu, schema::PathStep(at, "key", submenu_key),
                                    box.x + box.width + kMenuGap, sub_y);
        right = std::max(right, sub_right);
        next_column_y = sub_y + ItemsHeight(*item.submenu) + kMenuGap;
      }
      item_y += height;
    }
    End(box, 0);
    result_.width = std::max(result_.width, right + kMenuGap);
    result_.height = std::max({result_.height, bottom + kMenuGap, next_column_y});
    return right;
  }

  void MenuItem(const schema::MenuItemView& item, const Box& row) {
    const bool greyed = (item.flags & (schema::kMenuItemGrayed | schema::kMenuItemDisabled)) != 0;
    const Box picture{row.x + 4, row.y + 2, 16, 16};
    if (item.image && *item.image != 0) {
      Image(*item.image, picture);
    } else if (item.alternative) {
      // Items without a picture of their own show the check mark.
      canvas_.Line(picture.x + 3, picture.y + 8, picture.x + 6, picture.y + 11, 0x000000);
      canvas_.Line(picture.x + 6, picture.y + 11, picture.x + 12, picture.y + 4, 0x000000);
    }
    const Box text{row.x + kPictureColumn, row.y, row.width - kPictureColumn - kArrowColumn,
                   row.height};
    TextFormat format = FormatFromBits(schema::kFormatSingleLine | schema::kFormatVCentre);
    Text(MenuFont(), item.caption, text, format, greyed ? kGreyText : 0x000000, false);
    if (item.submenu) {
      const int ax = row.x + row.width - 12;
      const int ay = row.y + row.height / 2;
      canvas_.Line(ax, ay - 3, ax + 3, ay, 0x000000);
      canvas_.Line(ax + 3, ay, ax, ay + 3, 0x000000);
    }
  }

  void Menu(const __packet& packet) {
    const schema::ReadResult<schema::MenuView> read = schema::ReadMenu(packet);
    const schema::MenuView& menu = read.value;
    const std::string path = std::to_string(id_);
    // The bar's width: its items side by side.
    int bar_width = 0;
    const Font font = MenuFont();
    std::vector<int> item_widths;
    for (const schema::MenuItemView& item : menu.items) {
      TextFormat format;
      item_widths.push_back(LayOutText(font, item.caption, 1000, 100, format).needed_width +
                            2 * kBarItemPadding);
    }
    for (int w : item_widths) bar_width += w;
    // First pass on a blank canvas finds the size; the image is drawn at it.
    result_.width = bar_width + kMenuGap;
    result_.height = kBarHeight + kMenuGap;
    const Box bar{0, 0, bar_width, kBarHeight};
    Begin(path, schema::kMenu, 0, bar);
    canvas_.FillRect(bar, kMenuFace);
    const std::string list = schema::PathStep(path, "key", key::menu::kItems);
    int x = 0;
    int next_popup_x = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
      const schema::MenuItemView& item = menu.items[i];
      const std::string at = schema::PathStep(list, "item", item.index);
      const Box cell{x, 0, item_widths[i], kBarHeight};
      Begin(at, 0, item.command, cell, item.caption);
      TextFormat format = FormatFromBits(schema::kFormatCentredLine);
      Text(font, item.caption, cell, format, 0x000000, false);
      if (item.submenu) {
        const int submenu_key = (item.index - 1) * schema::kMenuItemKeys + schema::kItemSubmenu;
        const int popup_x = std::max(x, next_popup_x);
        next_popup_x =
            Popup(*item.submenu, schema::PathStep(at, "key", submenu_key), popup_x, kBarHeight) +
            kMenuGap;
      }
      End(cell, item.command);
      x += item_widths[i];
    }
    End(bar, 0);
  }

  std::uint32_t id_;
  const RenderOptions& options_;
  Canvas& canvas_;
  int dpi_ = 96;
  int depth_ = 0;
  Rendering result_;
};

class NullCanvas : public Canvas {
 public:
  void BeginElement(const ElementInfo&) override {}
  void EndElement() override {}
  void FillRect(const Box&, Colour) override {}
  void StrokeRect(const Box&, Colour, int, bool) override {}
  void Line(int, int, int, int, Colour) override {}
  void Glyphs(const Font&, const GlyphLine&, int, int, Colour, const Box&) override {}
  bool Picture(const Box&, const std::string&) override { return true; }
};

}  // namespace

std::optional<ButtonState> ParseButtonState(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, ButtonState>, 5> kNames = {{
      {"normal", ButtonState::normal},
      {"hover", ButtonState::hover},
      {"pressed", ButtonState::pressed},
      {"disabled", ButtonState::disabled},
      {"checked", ButtonState::checked},
  }};
  for (const auto& [text, state] : kNames) {
    if (text == name) return state;
  }
  return std::nullopt;
}

std::string ButtonStateNames() { return "normal, hover, pressed, disabled, checked"; }

Rendering Measure(std::uint32_t id, const __packet& description, const RenderOptions& options) {
  NullCanvas canvas;
  return Painter(id, options, canvas).Run(description);
}

Rendering Draw(std::uint32_t id, const __packet& description, const RenderOptions& options,
               Canvas& canvas) {
  return Painter(id, options, canvas).Run(description);
}

}  // namespace ctrlelem_tool::render
