// The menu with five submenus (element id 8): conversation, edit, view,
// actions and help.
#include <optional>
#include <span>

#include "frame/registry.h"
#include "schema/writers.h"
#include "windows/secondary/window3_family.h"

namespace ctrlelem::secondary {
namespace {

// One item of a submenu; a row with command kSeparator is a separator.
struct ItemRow {
  std::uint32_t command;
  std::uint32_t flags = 0;
  int caption = 0;
  std::optional<std::uint32_t> image = std::nullopt;
  std::optional<std::uint32_t> alternative = std::nullopt;  // the value 403
  bool opens_dialog = false;                                // the caption ends in "..."
};

constexpr std::uint32_t kSeparator = schema::kMenuSeparator;
constexpr std::uint32_t kDisabled = 2;  // item flag 2 (MF_DISABLED)

// One row per item, as the menu shows them.
// clang-format off
constexpr ItemRow kConversation[] = {
    {31101, 0, 334, 413},
    {kSeparator},
    {31102, 0, 335, 414},
    {31103, 0, 336, 415},
    {kSeparator},
    {31104, 0, 337, 416},
};

constexpr ItemRow kEdit[] = {
    {31111, 0, 339, 417},
    {kSeparator},
    {31112, 0, 340, 418},
    {31113, 0, 341, 419},
    {31114, 0, 342, 420},
    {31115, 0, 343, 421},
    {kSeparator},
    {31116, 0, 344},
};

constexpr ItemRow kView[] = {
    {31121, 0, 346, 422},
    {31122, kDisabled, 347, 0, 403},
    {31123, kDisabled, 348, 423},
};

constexpr ItemRow kActions[] = {
    {31131, 0, 316, 195},
    {31132, 0, 353, 424},
    {31139, 0, 1487, 740, std::nullopt, true},
    {31133, 0, 354, 425},
    {31135, 0, 1567, 426},
    {31136, 0, 357, 427},
    {31138, kDisabled, 359, 445},
    {kSeparator},
    {31137, 0, 360, 428},
};

constexpr ItemRow kHelp[] = {
    {31141, 0, 362, 429},
    {kSeparator},
    {31142, 0, 363, 430},
};
// clang-format on

struct BarEntry {
  std::uint32_t command;
  int caption;
  std::span<const ItemRow> items;
};

// The submenus go under keys 6, 12, 18, 24 and 30 of the bar's list.
// clang-format off
constexpr BarEntry kBar[] = {
    {31100, 333, kConversation},
    {31110, 338, kEdit},
    {31120, 345, kView},
    {31130, 351, kActions},
    {31140, 361, kHelp},
};
// clang-format on

__packet SubmenuOf(std::span<const ItemRow> rows) {
  schema::ItemList items;
  for (const ItemRow& row : rows) {
    if (row.command == kSeparator) {
      items.AddSeparator();
      continue;
    }
    items.Add({.command = row.command,
               .flags = row.flags,
               .caption = schema::Str(row.caption) + (row.opens_dialog ? L"..." : L""),
               .image = row.image,
               .alternative = row.alternative});
  }
  return schema::Submenu(items);
}

}  // namespace

void BuildMenu8() {
  schema::ItemList bar;
  for (const BarEntry& entry : kBar) {
    bar.Add({.command = entry.command,
             .caption = schema::Str(entry.caption),
             .submenu = SubmenuOf(entry.items)});
  }
  Register(8, schema::MenuBar(bar));
}

}  // namespace ctrlelem::secondary
