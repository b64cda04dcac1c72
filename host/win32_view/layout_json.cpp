#include "layout_json.h"

#include <windows.h>

#include "ctrlelem_pack/host.h"

namespace ctrlelem_view {
namespace {

namespace layout = ctrlelem::layout;

nlohmann::json BoxJson(const layout::Box& box) {
  return {{"x", box.x}, {"y", box.y}, {"width", box.width}, {"height", box.height}};
}

}  // namespace

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

nlohmann::json LayoutDocument(std::uint32_t id, int width, int height, int client_width,
                              int client_height, const std::vector<RealElement>& elements) {
  nlohmann::json records = nlohmann::json::array();
  for (const RealElement& real : elements) {
    const layout::Element& element = *real.element;
    records.push_back({{"path", element.path},
                       {"kind", element.kind},
                       {"name", layout::ElementName(element)},
                       {"id", element.id},
                       {"box", BoxJson(real.box)},
                       {"drawn_by", real.drawn_by}});
    if (!real.tooltip.empty()) records.back()["tooltip"] = Utf8(real.tooltip);
    if (real.checked) records.back()["checked"] = true;
    if (!real.warning.empty()) records.back()["warning"] = Utf8(real.warning);
  }
  return {{"id", id},
          {"width", width},
          {"height", height},
          {"client", BoxJson({0, 0, client_width, client_height})},
          {"elements", std::move(records)}};
}

nlohmann::json MenuCountJson(const MenuCount& count) {
  nlohmann::json submenus = nlohmann::json::array();
  for (const MenuCount& submenu : count.submenus) submenus.push_back(MenuCountJson(submenu));
  return {{"items", count.items}, {"submenus", std::move(submenus)}};
}

}  // namespace ctrlelem_view
