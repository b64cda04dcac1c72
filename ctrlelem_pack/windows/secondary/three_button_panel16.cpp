// The three-button panel (element id 16): a picture, a white question, a frame
// and three text buttons in a row at the bottom.
#include "schema/writers.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem::secondary {
namespace {

struct PanelButton {
  std::uint32_t id;
  int left;
  StringRef hint;
  int label;
  bool fourth_caption_marked;  // the state 4 caption has font style 8
};

constexpr PanelButton kButtons[] = {
    {1040, 10, {2009, 2}, 488, false},
    {1041, 95, {2010}, 425, true},
    {1042, 179, {2011}, 490, false},
};

__packet PanelButtonElement(const PanelButton& button) {
  schema::TextElement label{.text = schema::Str(button.label),
                            .format = schema::kFormatCentredLine,
                            .anchor = kAnchorCaptionCover};
  const __packet caption = schema::Text(label);
  schema::StateSet states = schema::SameInEveryState(schema::CaptionOnly(caption));
  if (button.fourth_caption_marked) {
    label.style = schema::kFontStyleFourth;
    states[3] = schema::CaptionOnly(schema::Text(label));
  }
  return schema::StateGroupButton({.id = button.id,
                                   .style = schema::kButtonText,
                                   .anchor = kAnchorTopLeft,
                                   .rect = {button.left, 174, 75, 23},
                                   .hint = schema::StringHint(button.hint.id, button.hint.table),
                                   .states = states});
}

}  // namespace

__packet ThreeButtonPanel16(ElementId id) {
  schema::Children children;
  children.Add(schema::Image(220, 662, kAnchorTopLeft, {0, 0, 266, 210}));
  children.Add(schema::Text({.id = 221,
                             .text = schema::Str(907),
                             .colour = schema::kWhite,
                             .style = schema::kFontStyleLabel,
                             .format = schema::kFormatCentre | schema::kFormatVCentre,
                             .anchor = kAnchorFill,
                             .rect = {0, 70, 0, 110}}));
  children.Add(schema::PlainFrame(222, kAnchorTopLeft, {45, 15, 176, 144}));
  for (const PanelButton& button : kButtons) children.Add(PanelButtonElement(button));

  return schema::WindowDescription(
      FixedSizeWindow(id, schema::Str(1), 4, schema::kWindowFramed, {266, 210}), children);
}

}  // namespace ctrlelem::secondary
