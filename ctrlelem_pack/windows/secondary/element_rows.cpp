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

}  // namespace ctrlelem::secondary
