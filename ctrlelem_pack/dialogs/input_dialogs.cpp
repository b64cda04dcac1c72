// The input dialogs: each asks for one value. All five have one shape, a
// backdrop picture, an icon, a label, the field, a small picture, a link-like
// button and the two text buttons at the right; the table says where they
// differ.
#include <optional>

#include "dialogs/dialog_frame.h"
#include "dialogs/dialog_groups.h"

namespace ctrlelem {
namespace {

using dialogs::DialogWindow;
using dialogs::Family;
using dialogs::InputHint;
using dialogs::InputHintBytes;
using schema::Str;

constexpr SIZE kInputDialogSize{356, 97};

// The value field: an input field, or (where a caption is given) a captioned
// field with that string of table 1 inside it.
struct Field {
  std::uint32_t id = 0;
  std::uint32_t style = 0;
  std::optional<int> caption;
};
constexpr Field InputBox(std::uint32_t id, std::uint32_t style) { return {id, style, {}}; }
constexpr Field CaptionedBox(std::uint32_t id, std::uint32_t style, int caption) {
  return {id, style, caption};
}

// The link-like button: its text is string n of table 1 on the button and
// string n of table 2 in its hint.
struct Link {
  std::uint32_t id = 0;
  RECT rect{};
  int text = 0;
};

struct InputDialog {
  DialogWindow window;
  std::uint32_t icon = 0;  // image of the icon
  int label = 0;           // string of the label above the field
  Field field;
  std::optional<std::uint32_t> picture;  // image of the small picture; none: no picture
  Link link;
};

// clang-format off
constexpr InputDialog kInputDialogs[] = {
    // window (id, caption, size)       icon  label field                         picture       link
    {{102, 33, kInputDialogSize},       164,  34,   InputBox(1001, 24),           181,          {990, {92, 64, 144, 18}, 765}},
    {{149, 1521, kInputDialogSize},     164,  1522, InputBox(1002, 9),            std::nullopt, {982, {71, 64, 144, 18}, 1523}},
    {{146, 1487, kInputDialogSize},     164,  34,   InputBox(1001, 24),           181,          {990, {92, 64, 144, 18}, 765}},
    {{103, 35, kInputDialogSize},       164,  37,   InputBox(1001, 8),            666,          {990, {92, 64, 144, 18}, 765}},
    {{104, 38, kInputDialogSize},       5210, 39,   CaptionedBox(1001, 7, 1414),  222,          {989, {92, 64, 144, 18}, 766}},
};
// clang-format on

constexpr RECT kFieldRect{71, 32, 165, 20};
constexpr RECT kCaptionedFieldRect{71, 32, 165, 45};

__packet FieldElement(const Field& field) {
  if (field.caption) {
    return schema::CaptionedField(field.id, field.style, kAnchorTopLeft, kCaptionedFieldRect,
                                  Str(*field.caption), schema::Hint(schema::BalloonHint()));
  }
  return schema::InputField(field.id, field.style, kAnchorTopLeft, kFieldRect,
                            InputHintBytes(InputHint::balloon));
}

// A caption covering its button, the same in the four states except for the
// fourth state's style bit.
schema::StateSet Captions(schema::TextElement text, bool with_layer_count) {
  const auto group = [with_layer_count](const __packet& caption) {
    return with_layer_count ? schema::CaptionWithoutLayers(caption) : schema::CaptionOnly(caption);
  };
  const schema::StateGroup usual = group(schema::Text(text));
  text.style |= schema::kFontStyleFourth;
  return {usual, usual, usual, group(schema::Text(text))};
}

__packet LinkButton(const Link& link) {
  const schema::TextElement caption{.id = 1,
                                    .text = Str(link.text),
                                    .colour = schema::kBlue,
                                    .background = schema::kTransparent,
                                    .face = schema::TextFace(),
                                    .size = schema::kTextSize,
                                    .style = schema::kFontStyleLink,
                                    .format = schema::kFormatCentredLine,
                                    .anchor = kAnchorFill,
                                    .rect = {3, 0, 0, 0}};
  return schema::StateGroupButton({.id = link.id,
                                   .style = schema::kButtonFlatTextAlt,
                                   .anchor = kAnchorTopLeft,
                                   .rect = link.rect,
                                   .hint = schema::Hint(schema::OrdinaryHint(Str(link.text, 2))),
                                   .states = Captions(caption, /*with_layer_count=*/true),
                                   .second_hint = std::nullopt,
                                   .second_states = std::nullopt});
}

__packet TextButton(std::uint32_t id, int text, RECT rect) {
  const schema::TextElement caption{.id = 1,
                                    .text = Str(text),
                                    .colour = schema::kBlack,
                                    .background = schema::kTransparent,
                                    .face = schema::TextFace(),
                                    .size = schema::kTextSize,
                                    .style = 0,
                                    .format = schema::kFormatCentredLine,
                                    .anchor = kAnchorFill,
                                    .rect = {0, 0, 0, 0}};
  return schema::StateGroupButton({.id = id,
                                   .style = schema::kButtonText,
                                   .anchor = kAnchorTopLeft,
                                   .rect = rect,
                                   .hint = std::nullopt,
                                   .states = Captions(caption, /*with_layer_count=*/false),
                                   .second_hint = std::nullopt,
                                   .second_states = std::nullopt});
}

void AddChildren(const InputDialog& dialog, schema::Children& children) {
  children.Add(schema::Image(110, 684, kAnchorTopLeft, {0, 0, 356, 97}));
  children.Add(schema::Image(111, dialog.icon, kAnchorTopLeft, {22, 33, 32, 32}));
  children.Add(schema::Text({.id = 124,
                             .text = Str(dialog.label),
                             .colour = schema::kBlack,
                             .background = schema::kTransparent,
                             .face = schema::TextFace(),
                             .size = schema::kTextSize,
                             .style = 0,
                             .format = schema::kFormatSingleLine | schema::kFormatVCentre,
                             .anchor = kAnchorTopLeft,
                             .rect = {72, 16, 165, 16}}));
  children.Add(FieldElement(dialog.field));
  if (dialog.picture) {
    children.Add(schema::Image(112, *dialog.picture, kAnchorTopLeft, {71, 65, 16, 16}));
  }
  children.Add(LinkButton(dialog.link));
  children.Add(TextButton(972, 489, {265, 22, 73, 23}));
  children.Add(TextButton(973, 490, {265, 56, 73, 23}));
}

}  // namespace

std::vector<ElementDescription> dialogs::InputDialogs() {
  std::vector<ElementDescription> descriptions;
  for (const InputDialog& dialog : kInputDialogs) {
    schema::Children children;
    AddChildren(dialog, children);
    descriptions.push_back(
        {dialog.window.id, DialogDescription(Family::input, dialog.window, children)});
  }
  return descriptions;
}

}  // namespace ctrlelem
