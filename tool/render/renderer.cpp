#include "render/renderer.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "layout/screen_measurer.h"
#include "screen/profile.h"
#include "screen/screen.h"

namespace ctrlelem_tool::render {
namespace {

namespace schema = ctrlelem::schema;
namespace layout = ctrlelem::layout;

// ---- The look of what the host draws itself ---------------------------------

constexpr Colour kWindowFace = 0xF0F0F0;
constexpr Colour kFrameColour = 0x8C8C8C;
constexpr Colour kCaptionBar = 0xD77800;  // a blue title bar
constexpr Colour kCaptionText = 0xFFFFFF;
constexpr Colour kFieldFace = 0xFFFFFF;
constexpr Colour kFieldBorder = 0x7A7A7A;
constexpr Colour kAreaBorder = 0xB4B4B4;
constexpr Colour kPictureFace = 0x4A4A4A;
constexpr Colour kPictureLabel = 0xDDDDDD;
constexpr Colour kPlaceholderLabel = 0x303030;
constexpr Colour kGreyText = 0x848484;
constexpr Colour kOverflowColour = 0x0000FF;  // red
constexpr Colour kOutlineColour = 0xC000C0;
constexpr Colour kMenuFace = 0xF2F2F2;
constexpr Colour kMenuBorder = 0x979797;
constexpr Colour kSeparator = 0xD7D7D7;
constexpr int kLabelPoints = 7;  // placeholder and outline labels
// Menu item flag MF_CHECKED: the only flag that shows a tick.
constexpr std::uint32_t kMenuItemChecked = 0x8;

// Push buttons by state: face and border.
struct ButtonLook {
  Colour face;
  Colour border;
  Colour text;
};
constexpr std::array<ButtonLook, layout::kButtonStateCount> kButtonLooks = {{
    {0xE1E1E1, 0xADADAD, 0x000000},  // normal
    {0xFBF1E5, 0xD77800, 0x000000},  // hover
    {0xF7E4CC, 0x995400, 0x000000},  // pressed
    {0xCCCCCC, 0xBFBFBF, 0x838383},  // disabled
    {0xF7E4CC, 0x995400, 0x000000},  // checked
}};

constexpr std::wstring_view kSansSerif = L"sans-serif";

// Pictures have no pixels of ours: a mid-tone colour per number, so the same
// picture looks the same wherever it stands and both black and white captions
// stay readable on it.
// An element's hints, one line each (see ElementInfo::hints).
std::wstring HintLines(const layout::Element& element) {
  std::wstring lines;
  for (const layout::Hint& hint : element.hints) {
    if (!lines.empty()) lines += L'\n';
    if ((hint.style & schema::kTooltipBalloon) != 0) {
      lines += L"warning: ";
    } else if (element.kind == schema::kButton && hint.key == schema::key::button::kSecondHint) {
      lines += L"checked: ";
    }
    lines += hint.title;
    if (!hint.title.empty() && !hint.text.empty()) lines += L": ";
    lines += hint.text;
  }
  return lines;
}

Colour PlaceholderColour(std::uint32_t number, bool border) {
  const std::uint32_t hash = (number & 0xFFFF) * 2654435761u;
  const auto tone = [&](int shift) {
    const int c = 150 + static_cast<int>(hash >> shift & 0x3F);
    return border ? c - 60 : c;
  };
  return static_cast<Colour>(tone(8) | tone(16) << 8 | tone(24) << 16);
}

Box ToBox(const layout::Box& box) { return {box.x, box.y, box.width, box.height}; }

Box Inset(const Box& box, int by) {
  return {box.x + by, box.y + by, box.width - 2 * by, box.height - 2 * by};
}

bool Meet(const layout::Box& a, const layout::Box& b) { return !layout::Intersect(a, b).empty(); }

// Draws a layout: each element in drawing order, from its box, clip and text.
class Painter {
 public:
  Painter(std::uint32_t id, const __packet& description, const RenderOptions& options,
          Canvas& canvas)
      : id_(id), description_(description), options_(options), canvas_(canvas) {
    dpi_ = screen::CurrentProfile().dpi_y;
  }

  Rendering Run() {
    screen_options_ = ScreenLayoutOptions();
    layout::Options options = screen_options_;
    options.id = id_;
    options.state = options_.state;
    options.hide = options_.hide;
    ScreenMeasurer measurer;
    layout_ = layout::LayOut(description_, options_.width.value_or(0), options_.height.value_or(0),
                             measurer, options);
    result_.width = layout_.width;
    result_.height = layout_.height;
    LabelledPlaceholders();
    overflowing_.assign(layout_.elements.size(), false);
    for (const layout::Overflow& overflow : layout::FindOverflows(layout_)) {
      overflowing_[static_cast<std::size_t>(overflow.element - layout_.elements.data())] = true;
    }
    if (!layout_.elements.empty() && layout_.elements.front().kind != schema::kMenu) {
      Frame();
    }
    std::vector<std::size_t> open;  // indices of the elements whose groups are open
    for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
      const layout::Element& element = layout_.elements[i];
      while (!open.empty() && layout_.elements[open.back()].depth >= element.depth) {
        Close(layout_.elements[open.back()]);
        open.pop_back();
      }
      ElementInfo info{element.path,
                       element.kind,
                       element.id,
                       ToBox(element.box),
                       element.text ? element.text->text : std::wstring(),
                       HintLines(element)};
      result_.elements.push_back({info, element.depth});
      canvas_.BeginElement(info);
      open.push_back(i);
      Paint(element, i);
      if (options_.mark_overflow && overflowing_[i]) {
        canvas_.StrokeRect(ToBox(element.text->box), kOverflowColour, 1, false);
      }
    }
    while (!open.empty()) {
      Close(layout_.elements[open.back()]);
      open.pop_back();
    }
    for (const layout::Overflow& overflow : layout::FindOverflows(layout_)) {
      result_.overflows.push_back(
          {overflow.element->path, overflow.element->text->text, overflow.needed,
           overflow.available, overflow.axis == layout::Axis::height, !overflow.element->visible});
    }
    return std::move(result_);
  }

 private:
  void Close(const layout::Element& element) {
    if (options_.outline && !element.box.empty()) {
      canvas_.StrokeRect(ToBox(element.box), kOutlineColour, 1, false);
      Label(ToBox(element.box), std::to_wstring(element.id), kOutlineColour);
    }
    canvas_.EndElement();
  }

  // Placeholder labels stand only where no text drawn later would lie under
  // them, so a label never hides a caption.
  void LabelledPlaceholders() {
    labelled_.assign(layout_.elements.size(), false);
    for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
      const layout::Element& element = layout_.elements[i];
      if (!element.image || element.kind != schema::kImage) continue;
      bool free = true;
      for (std::size_t j = i + 1; j < layout_.elements.size() && free; ++j) {
        const layout::Element& later = layout_.elements[j];
        if (later.text && !later.alternate && Meet(later.text->box, element.clip)) free = false;
      }
      labelled_[i] = free;
    }
  }

  // ---- The window ------------------------------------------------------------

  // A window with the system frame gets the frame and its caption bar; the
  // others are their client area.
  void Frame() {
    const Box box{0, 0, layout_.width, layout_.height};
    canvas_.FillRect(box, kWindowFace);
    if (!layout_.system_frame) return;
    const layout::Box client = layout_.client;
    canvas_.FillRect(box, kFrameColour);
    const Box bar{client.x, client.y - screen_options_.caption_height, client.width,
                  screen_options_.caption_height};
    canvas_.FillRect(bar, kCaptionBar);
    layout::Font font;
    font.face = kSansSerif;
    font.weight = 700;
    const std::wstring caption = layout_.elements.empty() ? L"" : WindowCaption();
    ScreenMeasurer measurer;
    const Box text_box = Inset(bar, 1);
    const layout::TextLayout text = layout::LayOutText(
        caption, font, schema::kFormatSingleLine | schema::kFormatVCentre | 0x8000, text_box.width,
        text_box.height, measurer);
    DrawLines(text, font, {text_box.x, text_box.y, text_box.width, text_box.height},
              {text_box.x, text_box.y, text_box.width, text_box.height}, kCaptionText);
    canvas_.FillRect(ToBox(client), kWindowFace);
  }

  std::wstring WindowCaption() const {
    const __val* caption = description_.find(schema::key::window::kCaption);
    return caption && caption->wstr() ? *caption->wstr() : std::wstring();
  }

  // ---- Elements --------------------------------------------------------------

  void Paint(const layout::Element& element, std::size_t index) {
    const Box box = ToBox(element.box);
    const Box clipped = ToBox(element.clip);
    if (element.fill) canvas_.FillRect(clipped, *element.fill);
    if (element.depth == 0 && element.kind == schema::kMenu) {
      canvas_.FillRect(box, kMenuFace);
      return;
    }
    switch (element.part) {
      case layout::Part::popup:
        canvas_.FillRect(box, kMenuFace);
        canvas_.StrokeRect(box, kMenuBorder, 1, false);
        return;
      case layout::Part::menu_bar_item:
      case layout::Part::menu_item:
        MenuItem(element);
        return;
      case layout::Part::info_text:
        if (!element.alternate) Runs(element);
        return;
      case layout::Part::element:
        break;
    }
    switch (element.kind) {
      case schema::kImage:
        Image(*element.image, clipped, labelled_[index]);
        break;
      case schema::kText:
        TextOf(element, std::nullopt);
        break;
      case schema::kButton:
        ButtonFace(element);
        break;
      case schema::kStringField:
      case schema::kInputField:
      case schema::kEntryBox:
        Field(clipped);
        break;
      case schema::kCaptionedField: {
        const Box label = ToBox(element.text->box);
        Field({box.x, box.y + label.height, box.width, box.height - label.height});
        TextOf(element, std::nullopt);
        break;
      }
      case schema::kPictureFrame:
        canvas_.FillRect(clipped, kPictureFace);
        Label(clipped, L"picture " + std::to_wstring(element.id), kPictureLabel);
        break;
      case schema::kHtmlView:
        canvas_.StrokeRect(clipped, kAreaBorder, 1, true);
        Label(clipped, L"HTML view " + std::to_wstring(element.id), kPlaceholderLabel);
        break;
      case schema::kStyledArea:
      case schema::kStringArea:
      case schema::kFramedArea:
      case schema::kPlainArea:
      case schema::kImageSetArea:
      case schema::kPlainFrame:
      case schema::kPaneWindow:
      case schema::kStripWindow:
      case schema::kSplitView:
        Outline(element, clipped);
        break;
      default:
        break;
    }
  }

  // Areas, frames and panes are the host's: a dashed outline that names them,
  // hiding nothing.
  void Outline(const layout::Element& element, const Box& box) {
    canvas_.StrokeRect(box, kAreaBorder, 1, true);
    const std::string_view name = schema::KindName(element.kind);  // ASCII
    Label(Inset(box, 1),
          std::wstring(name.begin(), name.end()) + L" " + std::to_wstring(element.id), kGreyText);
  }

  void Image(std::uint32_t number, const Box& box, bool labelled) {
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
    if (!labelled) return;
    std::wstring label = L"#" + std::to_wstring(number & ~schema::kFourthStateImage);
    if ((number & schema::kFourthStateImage) != 0) label += L"'";
    Label(box, label, kPlaceholderLabel);
  }

  void Field(const Box& box) {
    canvas_.FillRect(box, kFieldFace);
    canvas_.StrokeRect(box, kFieldBorder, 1, false);
  }

  // ---- Buttons ---------------------------------------------------------------

  const ButtonLook& Look() const { return kButtonLooks[static_cast<std::size_t>(options_.state)]; }

  void ButtonFace(const layout::Element& button) {
    const Box box = ToBox(button.box);
    std::optional<Colour> forced;
    switch (button.look) {
      case layout::ButtonLook::push:
        canvas_.FillRect(box, Look().face);
        canvas_.StrokeRect(box, Look().border, 1, false);
        if (options_.state == ButtonState::disabled) forced = Look().text;
        break;
      case layout::ButtonLook::check_box: {
        const int check = screen_options_.check_box;
        const Box square{box.x, box.y + (box.height - check) / 2, check, check};
        canvas_.FillRect(square, kFieldFace);
        canvas_.StrokeRect(
            square, Look().border == kButtonLooks[0].border ? 0x333333 : Look().border, 1, false);
        if (options_.state == ButtonState::checked || options_.state == ButtonState::pressed) {
          canvas_.Line(square.x + 2, square.y + check / 2, square.x + check / 2 - 1,
                       square.y + check - 4, 0x000000);
          canvas_.Line(square.x + check / 2 - 1, square.y + check - 4, square.x + check - 3,
                       square.y + 2, 0x000000);
        }
        if (options_.state == ButtonState::disabled) forced = Look().text;
        break;
      }
      case layout::ButtonLook::link:
        if (options_.state == ButtonState::disabled) forced = Look().text;
        break;
      default:
        break;
    }
    // A push button's caption is its own text (text-shaped buttons); the
    // state-group buttons' captions are elements of their own.
    if (button.text) TextOf(button, forced);
  }

  // ---- Text ------------------------------------------------------------------

  Font FontFor(const layout::Font& font) {
    return OpenFont(
        {font.face.empty() ? std::wstring(kSansSerif) : font.face, font.point_size, font.weight},
        dpi_);
  }

  void TextOf(const layout::Element& element, std::optional<Colour> forced) {
    if (!element.text) return;
    const layout::ElementText& text = *element.text;
    Colour colour = text.colour;
    if ((text.style & schema::kFontStyleFourth) != 0) colour = kGreyText;
    if (forced) colour = *forced;
    DrawLines(text.layout, text.font, text.box, layout::Intersect(text.box, element.clip), colour);
  }

  void DrawLines(const layout::TextLayout& text, const layout::Font& font, const layout::Box& box,
                 const layout::Box& clip, Colour colour) {
    const Font open = FontFor(font);
    for (const layout::TextLine& line : text.lines) {
      GlyphLine glyphs = ShapeLine(open, line.text, line.access_key);
      if (font.underline) {
        glyphs.mnemonic_x = 0;
        glyphs.mnemonic_width = glyphs.width;
      }
      canvas_.Glyphs(open, glyphs, box.x + line.x, box.y + line.y + open.ascent, colour,
                     ToBox(clip));
    }
  }

  // An information bar's text: its runs one after another, links underlined.
  void Runs(const layout::Element& element) {
    const layout::ElementText& text = *element.text;
    layout::Font link = text.font;
    link.underline = true;
    const layout::Box clip = layout::Intersect(text.box, element.clip);
    for (const layout::TextRun& run : element.runs) {
      layout::TextLayout one;
      one.lines.push_back({run.text, run.x, text.layout.lines.front().y, run.width, std::nullopt});
      DrawLines(one, run.link ? link : text.font, text.box, clip,
                run.link ? text.colour : 0x000000);
    }
  }

  // ---- Menus -------------------------------------------------------------------

  void MenuItem(const layout::Element& item) {
    const Box row = ToBox(item.box);
    if (item.separator) {
      canvas_.Line(row.x + 2, row.y + row.height / 2, row.x + row.width - 3, row.y + row.height / 2,
                   kSeparator);
      return;
    }
    if (!item.text) return;
    const bool greyed =
        (item.menu_flags & (schema::kMenuItemGrayed | schema::kMenuItemDisabled)) != 0;
    const Box picture{row.x + 4, row.y + 2, 16, 16};
    if (item.part == layout::Part::menu_item && item.image) {
      Image(*item.image, picture, true);
    } else if (item.part == layout::Part::menu_item && (item.menu_flags & kMenuItemChecked) != 0) {
      canvas_.Line(picture.x + 3, picture.y + 8, picture.x + 6, picture.y + 11, 0x000000);
      canvas_.Line(picture.x + 6, picture.y + 11, picture.x + 12, picture.y + 4, 0x000000);
    }
    TextOf(item, greyed ? std::optional<Colour>(kGreyText) : std::nullopt);
    if (item.submenu && item.part == layout::Part::menu_item) {
      const int ax = row.x + row.width - 12;
      const int ay = row.y + row.height / 2;
      canvas_.Line(ax, ay - 3, ax + 3, ay, 0x000000);
      canvas_.Line(ax + 3, ay, ax, ay + 3, 0x000000);
    }
  }

  // A small label in the top left corner, where it fits.
  void Label(const Box& box, const std::wstring& text, Colour colour) {
    layout::Font font;
    font.face = kSansSerif;
    font.point_size = kLabelPoints;
    ScreenMeasurer measurer;
    const Box inner = Inset(box, 1);
    const layout::TextLayout laid_out = layout::LayOutText(text, font, schema::kFormatSingleLine,
                                                           inner.width, inner.height, measurer);
    // A label that does not fit is left out, never cut ("#5030" must not read "#503").
    if (!laid_out.fits_width || !laid_out.fits_height) return;
    const layout::Box at{inner.x, inner.y, inner.width, inner.height};
    DrawLines(laid_out, font, at, at, colour);
  }

  std::uint32_t id_;
  const __packet& description_;
  const RenderOptions& options_;
  Canvas& canvas_;
  int dpi_ = 96;
  layout::Options screen_options_;  // the screen's metrics the layout was made with
  layout::Layout layout_;
  std::vector<bool> labelled_;
  std::vector<bool> overflowing_;  // judged too wide or too tall by the layout
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

Rendering Measure(std::uint32_t id, const __packet& description, const RenderOptions& options) {
  NullCanvas canvas;
  return Painter(id, description, options, canvas).Run();
}

Rendering Draw(std::uint32_t id, const __packet& description, const RenderOptions& options,
               Canvas& canvas) {
  return Painter(id, description, options, canvas).Run();
}

}  // namespace ctrlelem_tool::render
