#include "render/output.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "render/cairo_canvas.h"
#include "render/cairo_library.h"

namespace ctrlelem_tool::render {
namespace {

constexpr Colour kBackground = 0xFFFFFF;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

cairo_status_t WriteToStream(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::ofstream*>(closure);
  out->write(reinterpret_cast<const char*>(data), length);
  return *out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool FormatFromFileName(const std::string& file, Format& format) {
  const std::string name = Lower(file);
  const auto ends_with = [&](std::string_view suffix) {
    return name.size() > suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  };
  if (ends_with(".png")) {
    format = Format::png;
  } else if (ends_with(".svg")) {
    format = Format::svg;
  } else if (ends_with(".pdf")) {
    format = Format::pdf;
  } else {
    return false;
  }
  return true;
}

std::string RenderSvg(std::uint32_t id, const __packet& description, const RenderOptions& options,
                      Rendering* rendering) {
  const Rendering size = Measure(id, description, options);
  SvgCanvas canvas(size.width, size.height);
  canvas.FillRect({0, 0, size.width, size.height}, kBackground);
  Rendering drawn = Draw(id, description, options, canvas);
  if (rendering) *rendering = std::move(drawn);
  return canvas.Finish();
}

std::string RenderToFile(std::uint32_t id, const __packet& description,
                         const RenderOptions& options, Format format, const std::string& file,
                         Rendering* rendering) {
  std::ofstream out(file, std::ios::binary);
  if (!out) return "cannot write '" + file + "'";
  if (format == Format::svg) {
    out << RenderSvg(id, description, options, rendering);
    out.close();
    if (out) return {};
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return "cannot write '" + file + "'";
  }
  const Rendering size = Measure(id, description, options);
  cairo_surface_t* surface =
      format == Format::png
          ? Cairo().cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width, size.height)
          : Cairo().cairo_pdf_surface_create_for_stream(WriteToStream, &out, size.width,
                                                        size.height);
  cairo_t* cr = Cairo().cairo_create(surface);
  {
    CairoCanvas canvas(cr);
    canvas.FillRect({0, 0, size.width, size.height}, kBackground);
    Rendering drawn = Draw(id, description, options, canvas);
    if (rendering) *rendering = std::move(drawn);
  }
  Cairo().cairo_destroy(cr);
  cairo_status_t status = CAIRO_STATUS_SUCCESS;
  if (format == Format::png) {
    status = Cairo().cairo_surface_write_to_png_stream(surface, WriteToStream, &out);
  } else {
    Cairo().cairo_surface_finish(surface);
    status = Cairo().cairo_surface_status(surface);
  }
  Cairo().cairo_surface_destroy(surface);
  out.close();
  if (status != CAIRO_STATUS_SUCCESS || !out) {
    // No half-written picture is left behind to pass for a result.
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return "cannot write '" + file + "': " + Cairo().cairo_status_to_string(status);
  }
  return {};
}

}  // namespace ctrlelem_tool::render
