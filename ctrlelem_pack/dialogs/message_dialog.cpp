#include "dialogs/message_dialog.h"

#include <string>

#include "screen/screen.h"
#include "text/fitted_geometry.h"
#include "text/format_label.h"
#include "text/measure.h"

namespace ctrlelem::dialogs {
namespace {

// The widths a dialog measured (0 where it measured nothing).
struct Widths {
  int first = 0;
  int second = 0;
};

Widths MeasureFor(const std::optional<Measure>& measure) {
  if (!measure) return {};
  if (measure->second) {
    const auto [a, b] =
        MeasureStringWidths(measure->first, *measure->second, measure->point_size, kFontNormal);
    return {a, b};
  }
  return {MeasureStringWidth(measure->first, measure->point_size, kFontNormal), 0};
}

int Evaluate(const Term& term, const Widths& widths) {
  int value = term.constant + term.first * widths.first + term.second * widths.second;
  if (term.check != 0) {
    value += term.check * screen::Current().SystemMetric(screen::Metric::cxmenucheck);
  }
  return value;
}

RECT Resolve(const Place& place, const Widths& widths, const SIZE& dialog_size) {
  if (place.centred) {
    return CentredCheckBox(widths.first, dialog_size.cx, place.top.constant, place.bottom.constant);
  }
  return {Evaluate(place.left, widths), Evaluate(place.top, widths), Evaluate(place.right, widths),
          Evaluate(place.bottom, widths)};
}

std::wstring Resolve(const Caption& caption) {
  switch (caption.form) {
    case Caption::Form::string:
      return schema::Str(caption.string);
    case Caption::Form::literal:
      return caption.literal;
    case Caption::Form::formatted:
      return FormatWithOneArgument(schema::Str(caption.string), schema::Str(caption.argument, 2));
  }
  return std::wstring();
}

__packet MakeChild(const Child& child, int key, const Widths& widths, const SIZE& dialog_size) {
  const std::uint32_t id =
      child.id.value + (child.id.plus_key ? static_cast<std::uint32_t>(key) : 0u);
  const RECT rect = Resolve(child.place, widths, dialog_size);
  switch (child.sort) {
    case Child::Sort::image:
      return schema::Image(id, child.image, kAnchorNone, rect);
    case Child::Sort::text:
      return schema::Text({.id = id,
                           .text = Resolve(child.text),
                           .colour = child.colour,
                           .background = schema::kTransparent,
                           .face = schema::TextFace(),
                           .size = child.size,
                           .style = 0,
                           .format = child.format,
                           .anchor = kAnchorNone,
                           .rect = rect});
    case Child::Sort::button: {
      __packet button = schema::TextShapedButton(id, Resolve(child.text), rect, child.size);
      if (child.colour != schema::kBlack) schema::SetTextColour(button, child.colour);
      return button;
    }
    case Child::Sort::input:
      return schema::InputField(id, child.style, kAnchorNone, rect, InputHintBytes(child.hint));
  }
  return __packet();
}

}  // namespace

std::vector<ElementDescription> MessageDialogs(std::span<const MessageDialog> dialogs) {
  std::vector<ElementDescription> descriptions;
  descriptions.reserve(dialogs.size());
  for (const MessageDialog& dialog : dialogs) {
    const Widths widths = MeasureFor(dialog.measure);
    schema::Children children;
    for (const Child& child : dialog.children) {
      children.Add(MakeChild(child, children.next_key(), widths, dialog.window.size));
    }
    descriptions.push_back(
        {dialog.window.id, DialogDescription(Family::message, dialog.window, children)});
  }
  return descriptions;
}

}  // namespace ctrlelem::dialogs
