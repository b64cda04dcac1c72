// The host's layout as JSON, in the shape of `ctrlelem layout --json`: the id,
// the window's size, its client area, and one record per element with its path,
// kind and box; here the box is where the element really is on the screen,
// relative to the client area, `drawn_by` says what drew it, `tooltip` what
// its tooltip says, `checked` whether a toggling button is checked and
// `warning` what warning balloon a field showed.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "ctrlelem_pack/layout.h"
#include "menus.h"

namespace ctrlelem_view {

struct RealElement {
  const ctrlelem::layout::Element* element = nullptr;
  ctrlelem::layout::Box box;
  const char* drawn_by = "painted";  // "painted", "BUTTON" or "EDIT"
  std::wstring tooltip;              // the text of its tooltip, if it has one
  bool checked = false;              // a toggling button, checked
  std::wstring warning;              // the warning balloon it showed, if any
};

nlohmann::json LayoutDocument(std::uint32_t id, int width, int height, int client_width,
                              int client_height, const std::vector<RealElement>& elements);

// Wide text as UTF-8: what JSON and the console are written in.
[[nodiscard]] std::string Utf8(const std::wstring& text);

// {"items": N, "submenus": [...]}, depth first.
nlohmann::json MenuCountJson(const MenuCount& count);

}  // namespace ctrlelem_view
