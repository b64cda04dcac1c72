#include "windows/secondary/element_rows.h"

#include <utility>

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

std::wstring FormattedText(int pattern, StringRef argument) {
  return FormatWithOneArgument(schema::Str(pattern), schema::Str(argument.id, argument.table));
}

schema::Window FixedSizeWindow(std::uint32_t id, std::wstring caption, std::uint32_t style,
                               std::uint32_t flags, SIZE size) {
  return {.id = id,
          .caption = std::move(caption),
          .style = style,
          .flags = flags,
          .min_size = size,
          .max_size = size,
          .initial_size = size};
}

schema::Window GrowingWindow(std::uint32_t id, SIZE smallest) {
  return {.id = id,
          .caption = schema::Str(1),
          .style = 5,
          .flags = schema::kWindowFramed,
          .min_size = smallest,
          .max_size = SIZE{0, 0},
          .initial_size = smallest};
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

}  // namespace ctrlelem::secondary
