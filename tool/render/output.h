// Rendering a description into a file or a string: PNG and PDF through cairo's
// surfaces, SVG through the grouping SVG canvas.
#pragma once

#include <cstdint>
#include <string>

#include "language/packet.h"
#include "render/renderer.h"

namespace ctrlelem_tool::render {

enum class Format { png, svg, pdf };

// The format a file name asks for by its extension (case-insensitive); false
// for any other extension.
bool FormatFromFileName(const std::string& file, Format& format);

// The SVG document of a description, and what was drawn.
std::string RenderSvg(std::uint32_t id, const __packet& description, const RenderOptions& options,
                      Rendering* rendering = nullptr);

// Writes the description to the file; returns what went wrong, or the empty
// string. `rendering` receives what was drawn.
std::string RenderToFile(std::uint32_t id, const __packet& description,
                         const RenderOptions& options, Format format, const std::string& file,
                         Rendering* rendering = nullptr);

}  // namespace ctrlelem_tool::render
