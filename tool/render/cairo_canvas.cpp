#include "render/cairo_canvas.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "render/cairo_library.h"

namespace ctrlelem_tool::render {
namespace {

constexpr double kDash = 3.0;

void SetColour(cairo_t* cr, Colour colour) {
  Cairo().cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                               ((colour >> 16) & 0xFF) / 255.0);
}

std::string Base64(const std::string& bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned n = (static_cast<unsigned char>(bytes[i]) << 16) |
                       (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += kDigits[(n >> 6) & 63];
    out += kDigits[n & 63];
  }
  if (i < bytes.size()) {
    unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

bool IsPng(const std::string& bytes) {
  return bytes.size() > 8 && bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0;
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
  cairo_surface_t* image = Cairo().cairo_image_surface_create_from_png(png_path.c_str());
  const bool ok = Cairo().cairo_surface_status(image) == CAIRO_STATUS_SUCCESS &&
                  Cairo().cairo_image_surface_get_width(image) > 0 &&
                  Cairo().cairo_image_surface_get_height(image) > 0;
  if (ok && box.width > 0 && box.height > 0) {
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
  Cairo().cairo_surface_destroy(image);
  return ok;
}

// ---- SVG --------------------------------------------------------------------

SvgCanvas::SvgCanvas(int width, int height)
    // Unbounded: cairo leaves out glyphs that fall outside a bounded target.
    : scratch_surface_(Cairo().cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr)),
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
  const int clip_id = next_clip_++;
  out_ << "<clipPath id=\"c" << clip_id << "\"><rect x=\"" << clip.x << "\" y=\"" << clip.y
       << "\" width=\"" << std::max(clip.width, 0) << "\" height=\"" << std::max(clip.height, 0)
       << "\"/></clipPath>\n<path clip-path=\"url(#c" << clip_id << ")\" fill=\""
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

bool SvgCanvas::Picture(const Box& box, const std::string& png_path) {
  std::ifstream file(png_path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) return false;
  if (!IsPng(bytes)) return false;
  out_ << "<image x=\"" << box.x << "\" y=\"" << box.y << "\" width=\"" << std::max(box.width, 0)
       << "\" height=\"" << std::max(box.height, 0)
       << "\" preserveAspectRatio=\"none\" href=\"data:image/png;base64," << Base64(bytes)
       << "\"/>\n";
  return true;
}

std::string SvgCanvas::Finish() {
  while (open_groups_ > 0) EndElement();
  return out_.str() + "</svg>\n";
}

}  // namespace ctrlelem_tool::render
