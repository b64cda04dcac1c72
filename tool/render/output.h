// Rendering a description into a file or a string: PNG and PDF through cairo's
// surfaces, SVG through the grouping SVG canvas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "language/packet.h"
#include "render/renderer.h"

namespace ctrlelem_tool::render {

enum class Format { png, svg, pdf };

// The format a file name asks for by its extension (case-insensitive); false
// for any other extension.
bool FormatFromFileName(const std::string& file, Format& format);

// The largest picture any command draws, whatever gave its size (--size,
// --dpi, the metrics, long texts): cairo's own limit on a side, and a bound on
// the whole (8192 x 8192 pixels, 256 MiB as cairo holds them), far above any
// description at any usual resolution.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr long long kMaxPicturePixels = 1LL << 26;

// Why a picture of this size is refused, or the empty string.
std::string PictureSizeError(int width, int height);

// What went wrong in a render; nothing did when the message is empty.
struct RenderError {
  std::string message;
  bool too_large = false;  // refused before anything was drawn or written
};

// An SVG document with what was drawn in it.
struct SvgPicture {
  std::string svg;
  Rendering rendering;
  RenderError error;  // a picture too large is not drawn: svg is empty
};

// The SVG document of a description. Its element ids (clip paths) begin with
// `id_prefix`, so that documents inlined into one page keep them apart.
SvgPicture RenderSvgPicture(std::uint32_t id, const __packet& description,
                            const RenderOptions& options, std::string_view id_prefix = "c");

// The SVG document alone (empty when the picture is too large).
std::string RenderSvg(std::uint32_t id, const __packet& description, const RenderOptions& options,
                      Rendering* rendering = nullptr);

// Writes the description to the file (WriteFileSafely: the old file stays
// unless the whole picture is written). `rendering` receives what was drawn.
RenderError RenderToFile(std::uint32_t id, const __packet& description,
                         const RenderOptions& options, Format format, const std::string& file,
                         Rendering* rendering = nullptr);

}  // namespace ctrlelem_tool::render
