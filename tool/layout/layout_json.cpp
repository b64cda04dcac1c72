#include "layout/layout_json.h"

#include "json_writer.h"
#include "language/utf8.h"

namespace ctrlelem_tool {
namespace {

namespace layout = ctrlelem::layout;

Json BoxJson(const layout::Box& box) {
  return {{"x", box.x}, {"y", box.y}, {"width", box.width}, {"height", box.height}};
}

Json ElementJson(const layout::Element& element) {
  Json json = {{"path", element.path},
               {"kind", element.kind},
               {"name", layout::ElementName(element)},
               {"id", element.id},
               {"box", BoxJson(element.box)},
               {"clip", BoxJson(element.clip)},
               {"visible", element.visible},
               {"opaque", element.opaque}};
  if (element.state) json["state"] = layout::ButtonStateName(*element.state);
  if (element.alternate) json["alternate"] = true;
  if (!element.hints.empty()) {
    Json hints = Json::array();
    for (const layout::Hint& hint : element.hints) {
      hints.push_back({{"key", hint.key},
                       {"code", hint.code},
                       {"style", hint.style},
                       {"icon", hint.icon},
                       {"title", language::WideToUtf8(hint.title)},
                       {"text", language::WideToUtf8(hint.text)},
                       {"flags", hint.flags}});
    }
    json["hints"] = std::move(hints);
  }
  if (element.text) {
    const layout::ElementText& text = *element.text;
    json["text"] = language::WideToUtf8(text.text);
    json["text_box"] = BoxJson(text.box);
    json["font"] = {{"face", language::WideToUtf8(text.font.face)},
                    {"points", text.font.point_size},
                    {"weight", text.font.weight},
                    {"underline", text.font.underline}};
    json["format"] = text.format;
    json["wraps"] = text.layout.wraps;
    Json lines = Json::array();
    for (const layout::TextLine& line : text.layout.lines) {
      lines.push_back({{"text", language::WideToUtf8(line.text)},
                       {"x", line.x},
                       {"y", line.y},
                       {"width", line.width}});
    }
    json["lines"] = std::move(lines);
    json["needed_width"] = text.layout.needed_width;
    json["needed_height"] = text.layout.needed_height;
    json["fits_width"] = text.layout.fits_width;
    json["fits_height"] = text.layout.fits_height;
  }
  return json;
}

}  // namespace

std::string LayoutJson(std::uint64_t id, const layout::Layout& laid_out) {
  Json elements = Json::array();
  for (const layout::Element& element : laid_out.elements) elements.push_back(ElementJson(element));
  const Json document = {{"id", id},
                         {"width", laid_out.width},
                         {"height", laid_out.height},
                         {"client", BoxJson(laid_out.client)},
                         {"elements", std::move(elements)}};
  return document.dump(1) + '\n';
}

}  // namespace ctrlelem_tool
