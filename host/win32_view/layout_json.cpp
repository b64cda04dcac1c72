#include "layout_json.h"

#include "ctrlelem_pack/host.h"

namespace ctrlelem_view {
namespace {

namespace layout = ctrlelem::layout;

nlohmann::json BoxJson(const layout::Box& box) {
  return {{"x", box.x}, {"y", box.y}, {"width", box.width}, {"height", box.height}};
}

}  // namespace

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
