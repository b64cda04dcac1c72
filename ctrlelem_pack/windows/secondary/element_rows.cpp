#include "windows/secondary/element_rows.h"

#include "text/format_label.h"

namespace ctrlelem::secondary {

__packet ImageOf(const ImageRow& row) {
  return schema::Image(row.id, row.image, row.anchor, row.rect);
}

void AddImages(schema::Children& children, std::span<const ImageRow> rows) {
  for (const ImageRow& row : rows) children.Add(ImageOf(row));
}

__packet WhiteFill() {
  return schema::BackgroundFill(0, schema::kWhite, kAnchorFill, {0, 0, 0, 0});
}

__packet Tip(StringRef text, std::uint32_t code) {
  return schema::Hint(schema::OrdinaryHint(schema::Str(text.id, text.table), code));
}

std::wstring FormattedText(int pattern, StringRef argument) {
  std::wstring text;
  if (!FormatLabel(text, schema::Str(pattern), {schema::Str(argument.id, argument.table)})) {
    return {};
  }
  return text;
}

schema::StateSet CaptionStates(const __packet& caption, const __packet& fourth) {
  const schema::StateGroup group = schema::CaptionWithoutLayers(caption);
  return {group, group, group, schema::CaptionWithoutLayers(fourth)};
}

__packet TextOnlyButton(const TextButton& button, schema::TextElement caption, FourthLook fourth) {
  const __packet normal = schema::Text(caption);
  caption.colour = fourth.colour;
  caption.style = fourth.style;
  return schema::StateGroupButton({.id = button.id,
                                   .style = button.style,
                                   .anchor = button.anchor,
                                   .rect = button.rect,
                                   .hint = button.hint,
                                   .states = CaptionStates(normal, schema::Text(caption))});
}

__packet SubmenuOfRows(MenuRows rows) {
  schema::ItemList items;
  for (const MenuRow& row : rows) {
    if (row.command == schema::kMenuSeparator) {
      items.AddSeparator();
      continue;
    }
    std::optional<__packet> submenu;
    if (row.submenu != nullptr) submenu = SubmenuOfRows(*row.submenu);
    items.Add({.command = row.command,
               .flags = row.flags,
               .caption = schema::Str(row.caption),
               .image = row.image,
               .alternative = row.alternative,
               .submenu = submenu});
  }
  return schema::Submenu(items);
}

__packet MenuBarOfRows(std::span<const MenuBarEntry> entries) {
  schema::ItemList bar;
  for (const MenuBarEntry& entry : entries) {
    bar.Add({.command = entry.command,
             .caption = schema::Str(entry.caption),
             .submenu = SubmenuOfRows(entry.items)});
  }
  return schema::MenuBar(bar);
}

}  // namespace ctrlelem::secondary
