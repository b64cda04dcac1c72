// Every text value of a description, with its path and what it is drawn in:
// the common ground of the string-use index (`lng where`) and the access-key
// groups. Where a text stands is the layout model's (lng/overflow.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "language/packet.h"

namespace ctrlelem_tool::lng {

// The font an element draws its text in (keys 5 to 7 of a text element).
struct SiteFont {
  std::wstring face;
  int point_size = 0;  // 0: the host's default size
  std::uint32_t style = 0;
};

// One wide-string value of a description.
struct TextSite {
  std::uint32_t description = 0;
  std::string path;   // as `ctrlelem check` prints it: "105 > key 10 > child 3 > key 2"
  std::string field;  // the field's name in the kind table: "text", "caption", "title"...
  std::wstring text;
  // Set for the texts of text elements and text-shaped buttons, the ones drawn
  // in a box of the description's own making.
  std::optional<SiteFont> font;
  std::uint32_t format = 0;  // the text format bits (ctrlelem_pack/schema/constants.h)
  // Texts that share an access-key space: the items of one menu, the controls
  // of one window or dialog. Empty for texts without access keys (hints).
  std::string key_group;
};

// The text sites of one description, in the order of its keys.
std::vector<TextSite> CollectTextSites(std::uint32_t description, const __packet& packet);

// The text sites of every registered description, ascending by id.
std::vector<TextSite> CollectRegisteredTextSites();

// The element a text value belongs to: its path without the value's key and,
// for a button's caption, without the state group's key, so that the four (or
// eight) states of one button are one place.
std::string ElementPathOf(const std::string& value_path);

// A description as people know it: `window 1 "Wembrix Video Chat"`, `menu 7`.
std::string DescriptionName(std::uint32_t id);

}  // namespace ctrlelem_tool::lng
