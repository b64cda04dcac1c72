#include "render/cairo_canvas.h"

#include <cstdio>
#include <utility>

#include "language/utf8.h"
#include "render/cairo_library.h"
#include "render/pictures.h"

namespace ctrlelem_tool::render {
namespace {

constexpr double kDash = 3.0;

void SetColour(cairo_t* cr, Colour colour) {
  Cairo().cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                               ((colour >> 16) & 0xFF) / 255.0);
}

}  // namespace

std::string CssColour(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control characters are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
          out += ' ';
        } else {
          out += c;
        }
    }
  }
  return out;
}

// ---- cairo ------------------------------------------------------------------

void CairoCanvas::FillRect(const Box& box, Colour colour) {
  SetColour(cr_, colour);
  Cairo().cairo_rectangle(cr_, box.x, box.y, box.width, box.height);
  Cairo().cairo_fill(cr_);
}

void CairoCanvas::StrokeRect(const Box& box, Colour colour, int width, bool dashed) {
  if (box.width <= 0 || box.height <= 0) return;
  SetColour(cr_, colour);
  Cairo().cairo_set_line_width(cr_, width);
  if (dashed) Cairo().cairo_set_dash(cr_, &kDash, 1, 0);
  const double inset = width / 2.0;
  Cairo().cairo_rectangle(cr_, box.x + inset, box.y + inset, box.width - width, box.height - width);
  Cairo().cairo_stroke(cr_);
  Cairo().cairo_set_dash(cr_, nullptr, 0, 0);
}

void CairoCanvas::Line(int x0, int y0, int x1, int y1, Colour colour) {
  SetColour(cr_, colour);
  Cairo().cairo_set_line_width(cr_, 1);
  Cairo().cairo_move_to(cr_, x0 + 0.5, y0 + 0.5);
  Cairo().cairo_line_to(cr_, x1 + 0.5, y1 + 0.5);
  Cairo().cairo_stroke(cr_);
}

void CairoCanvas::Glyphs(const Font& font, const GlyphLine& line, int x, int baseline,
                         Colour colour, const Box& clip) {
  if (font.cairo_face == nullptr || line.glyphs.empty()) return;
  Cairo().cairo_save(cr_);
  Cairo().cairo_rectangle(cr_, clip.x, clip.y, clip.width, clip.height);
  Cairo().cairo_clip(cr_);
  Cairo().cairo_translate(cr_, x, baseline);
  SetColour(cr_, colour);
  Cairo().cairo_set_font_face(cr_, font.cairo_face);
  Cairo().cairo_set_font_size(cr_, font.pixel_size);
  Cairo().cairo_show_glyphs(cr_, line.glyphs.data(), static_cast<int>(line.glyphs.size()));
  if (line.mnemonic_width > 0) {
    Cairo().cairo_rectangle(cr_, line.mnemonic_x, 1, line.mnemonic_width, 1);
    Cairo().cairo_fill(cr_);
  }
  Cairo().cairo_restore(cr_);
}

bool CairoCanvas::Picture(const Box& box, const std::string& png_path) {
  cairo_surface_t* image = DecodedPicture(png_path);
  if (image == nullptr) return false;
  if (box.width > 0 && box.height > 0) {
    Cairo().cairo_save(cr_);
    Cairo().cairo_rectangle(cr_, box.x, box.y, box.width, box.height);
    Cairo().cairo_clip(cr_);
    Cairo().cairo_translate(cr_, box.x, box.y);
    Cairo().cairo_scale(
        cr_, static_cast<double>(box.width) / Cairo().cairo_image_surface_get_width(image),
        static_cast<double>(box.height) / Cairo().cairo_image_surface_get_height(image));
    Cairo().cairo_set_source_surface(cr_, image, 0, 0);
    Cairo().cairo_paint(cr_);
    Cairo().cairo_restore(cr_);
  }
  return true;
}

// ---- SVG --------------------------------------------------------------------

SvgCanvas::SvgCanvas(int width, int height, std::string id_prefix)
    : id_prefix_(std::move(id_prefix)),
      // Unbounded: cairo leaves out glyphs that fall outside a bounded target.
      scratch_surface_(Cairo().cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr)),
      scratch_(Cairo().cairo_create(scratch_surface_)) {
  out_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
       << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n";
}

SvgCanvas::~SvgCanvas() {
  Cairo().cairo_destroy(scratch_);
  Cairo().cairo_surface_destroy(scratch_surface_);
}

void SvgCanvas::BeginElement(const ElementInfo& element) {
  out_ << "<g data-element-path=\"" << XmlEscape(element.path) << "\" data-kind=\"" << element.kind
       << "\" data-element-id=\"" << element.id << "\">\n<rect class=\"box\" x=\"" << element.box.x
       << "\" y=\"" << element.box.y << "\" width=\"" << std::max(element.box.width, 0)
       << "\" height=\"" << std::max(element.box.height, 0)
       << "\" fill=\"none\" stroke=\"none\"/>\n";
  // A browser shows the hints as the element's tooltip.
  if (!element.hints.empty())
    out_ << "<title>" << XmlEscape(language::WideToUtf8(element.hints)) << "</title>\n";
  ++open_groups_;
}

void SvgCanvas::EndElement() {
  if (open_groups_ == 0) return;
  out_ << "</g>\n";
  --open_groups_;
}

void SvgCanvas::FillRect(const Box& box, Colour colour) {
  if (box.width <= 0 || box.height <= 0) return;
  out_ << "<rect x=\"" << box.x << "\" y=\"" << box.y << "\" width=\"" << box.width
       << "\" height=\"" << box.height << "\" fill=\"" << CssColour(colour) << "\"/>\n";
}

void SvgCanvas::StrokeRect(const Box& box, Colour colour, int width, bool dashed) {
  if (box.width <= 0 || box.height <= 0) return;
  const double inset = width / 2.0;
  out_ << "<rect x=\"" << box.x + inset << "\" y=\"" << box.y + inset << "\" width=\""
       << box.width - width << "\" height=\"" << box.height - width << "\" fill=\"none\" stroke=\""
       << CssColour(colour) << "\" stroke-width=\"" << width << '"'
       << (dashed ? " stroke-dasharray=\"3\"" : "") << "/>\n";
}

void SvgCanvas::Line(int x0, int y0, int x1, int y1, Colour colour) {
  out_ << "<line x1=\"" << x0 + 0.5 << "\" y1=\"" << y0 + 0.5 << "\" x2=\"" << x1 + 0.5
       << "\" y2=\"" << y1 + 0.5 << "\" stroke=\"" << CssColour(colour) << "\"/>\n";
}

void SvgCanvas::Glyphs(const Font& font, const GlyphLine& line, int x, int baseline, Colour colour,
                       const Box& clip) {
  if (font.cairo_face == nullptr || line.glyphs.empty()) return;
  Cairo().cairo_new_path(scratch_);
  Cairo().cairo_identity_matrix(scratch_);
  Cairo().cairo_translate(scratch_, x, baseline);
  Cairo().cairo_set_font_face(scratch_, font.cairo_face);
  Cairo().cairo_set_font_size(scratch_, font.pixel_size);
  Cairo().cairo_glyph_path(scratch_, line.glyphs.data(), static_cast<int>(line.glyphs.size()));
  if (line.mnemonic_width > 0)
    Cairo().cairo_rectangle(scratch_, line.mnemonic_x, 1, line.mnemonic_width, 1);
  Cairo().cairo_identity_matrix(scratch_);
  cairo_path_t* path = Cairo().cairo_copy_path(scratch_);
  const std::string clip_id = id_prefix_ + std::to_string(next_clip_++);
  out_ << "<clipPath id=\"" << clip_id << "\"><rect x=\"" << clip.x << "\" y=\"" << clip.y
       << "\" width=\"" << std::max(clip.width, 0) << "\" height=\"" << std::max(clip.height, 0)
       << "\"/></clipPath>\n<path clip-path=\"url(#" << clip_id << ")\" fill=\""
       << CssColour(colour) << "\" d=\"";
  char number[32];
  const auto put = [&](double value) {
    std::snprintf(number, sizeof number, "%.2f", value);
    std::string text = number;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    out_ << text;
  };
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* data = &path->data[i];
    switch (data->header.type) {
      case CAIRO_PATH_MOVE_TO:
      case CAIRO_PATH_LINE_TO:
        out_ << (data->header.type == CAIRO_PATH_MOVE_TO ? 'M' : 'L');
        put(data[1].point.x);
        out_ << ' ';
        put(data[1].point.y);
        break;
      case CAIRO_PATH_CURVE_TO:
        out_ << 'C';
        for (int p = 1; p <= 3; ++p) {
          if (p > 1) out_ << ' ';
          put(data[p].point.x);
          out_ << ' ';
          put(data[p].point.y);
        }
        break;
      case CAIRO_PATH_CLOSE_PATH:
        out_ << 'Z';
        break;
    }
  }
  Cairo().cairo_path_destroy(path);
  out_ << "\"/>\n";
}

// Each picture file is embedded once per document, as a symbol that every
// element showing it uses.
bool SvgCanvas::Picture(const Box& box, const std::string& png_path) {
  const PictureFile* picture = LoadPicture(png_path);
  if (picture == nullptr) return false;
  auto [symbol, added] = picture_symbols_.try_emplace(
      picture, id_prefix_ + "p" + std::to_string(picture_symbols_.size()));
  if (added) {
    out_ << "<symbol id=\"" << symbol->second << "\" viewBox=\"0 0 " << picture->width << ' '
         << picture->height << "\" preserveAspectRatio=\"none\"><image width=\"" << picture->width
         << "\" height=\"" << picture->height << "\" href=\"data:image/png;base64,"
         << picture->base64 << "\"/></symbol>\n";
  }
  out_ << "<use href=\"#" << symbol->second << "\" x=\"" << box.x << "\" y=\"" << box.y
       << "\" width=\"" << std::max(box.width, 0) << "\" height=\"" << std::max(box.height, 0)
       << "\"/>\n";
  return true;
}

std::string SvgCanvas::Finish() {
  while (open_groups_ > 0) EndElement();
  return out_.str() + "</svg>\n";
}

}  // namespace ctrlelem_tool::render
