#include "render/output.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>

#include "render/cairo_canvas.h"
#include "render/cairo_library.h"
#include "safe_write.h"

namespace ctrlelem_tool::render {
namespace {

constexpr Colour kBackground = 0xFFFFFF;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
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

std::string PictureSizeError(int width, int height) {
  const long long pixels = static_cast<long long>(width) * height;
  if (width <= kMaxPictureSide && height <= kMaxPictureSide && pixels <= kMaxPicturePixels) {
    return {};
  }
  return "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels: at most " + std::to_string(kMaxPictureSide) + " a side and " +
         std::to_string(kMaxPicturePixels) + " pixels in all";
}

SvgPicture RenderSvgPicture(std::uint32_t id, const __packet& description,
                            const RenderOptions& options, std::string_view id_prefix) {
  SvgPicture picture;
  const Rendering size = Measure(id, description, options);
  if (std::string error = PictureSizeError(size.width, size.height); !error.empty()) {
    picture.error = {std::move(error), true};
    return picture;
  }
  SvgCanvas canvas(size.width, size.height, std::string(id_prefix));
  canvas.FillRect({0, 0, size.width, size.height}, kBackground);
  picture.rendering = Draw(id, description, options, canvas);
  picture.svg = canvas.Finish();
  return picture;
}

std::string RenderSvg(std::uint32_t id, const __packet& description, const RenderOptions& options,
                      Rendering* rendering) {
  SvgPicture picture = RenderSvgPicture(id, description, options);
  if (rendering) *rendering = std::move(picture.rendering);
  return std::move(picture.svg);
}

RenderError RenderToFile(std::uint32_t id, const __packet& description,
                         const RenderOptions& options, Format format, const std::string& file,
                         Rendering* rendering) {
  std::string content;
  if (format == Format::svg) {
    SvgPicture picture = RenderSvgPicture(id, description, options);
    if (!picture.error.message.empty()) return picture.error;
    content = std::move(picture.svg);
    if (rendering) *rendering = std::move(picture.rendering);
  } else {
    const Rendering size = Measure(id, description, options);
    if (std::string error = PictureSizeError(size.width, size.height); !error.empty()) {
      return {std::move(error), true};
    }
    cairo_surface_t* surface =
        format == Format::png
            ? Cairo().cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width, size.height)
            : Cairo().cairo_pdf_surface_create_for_stream(AppendToString, &content, size.width,
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
      status = Cairo().cairo_surface_write_to_png_stream(surface, AppendToString, &content);
    } else {
      Cairo().cairo_surface_finish(surface);
      status = Cairo().cairo_surface_status(surface);
    }
    Cairo().cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
      return {"cannot draw '" + file + "': " + Cairo().cairo_status_to_string(status)};
    }
  }
  return {WriteFileSafely(file, content)};
}

}  // namespace ctrlelem_tool::render
