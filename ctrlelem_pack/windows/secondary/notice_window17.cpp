// The notice window (element id 17): a fixed 230 by 150 window with a
// background picture, an icon, a block of text, a link and a push button.
#include "language/strings.h"
#include "schema/writers.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem::secondary {

__packet NoticeWindow17(ElementId id) {
  using schema::Str;

  schema::Children children;
  children.Add(schema::Image(155, 665, kAnchorTopLeft, {0, 0, 230, 150}));
  children.Add(schema::Image(156, 225, kAnchorTopLeft, {10, 10, 24, 24}));
  children.Add(schema::Text({.id = 157,
                             .text = Str(861),
                             .style = schema::kFontStyleLabel,
                             .format = schema::kFormatWordBreak,
                             .anchor = kAnchorTopLeft,
                             .rect = {38, 8, 180, 70}}));
  // The link's caption is string 2056 of table 1, its hint the string of the
  // same number in table 2.
  children.Add(TextOnlyButton({.id = 1025,
                               .style = schema::kButtonFlat,
                               .anchor = kAnchorAlongTop,
                               .rect = {25, 80, 25, 20},
                               .hint = schema::StringHint(2056, 2)},
                              {.text = Str(2056),
                               .colour = schema::kBlue,
                               .style = schema::kFontStyleLink | schema::kFontStyleLabel,
                               .format = schema::kFormatCentredLine,
                               .anchor = kAnchorFill},
                              {schema::kBlue, schema::kFontStyleLink | schema::kFontStyleFourth}));
  // A caption-only button by its style word, yet it carries the zero layer
  // counts of the link before it: both were filled into one working packet,
  // and this one set only its id, style, place, hint and captions.
  children.Add(TextOnlyButton(
      {.id = 1026,
       .style = schema::kButtonText,
       .anchor = kAnchorAlongTop,
       .rect = {85, 110, 85, 24},
       .hint = schema::StringHint(2057)},
      {.text = Str(908), .format = schema::kFormatCentredLine, .anchor = kAnchorFill},
      {schema::kBlack, 0}));

  __packet window = schema::WindowDescription(
      FixedSizeWindow(id, Str(860), 4, schema::kWindowPlain, {230, 150}), children);
  // This window's caption goes in through the wide-character pointer form of
  // the value; the stored text is the same.
  window < __val(schema::key::window::kCaption, LoadResourceString(860, 1, 0));
  return window;
}

}  // namespace ctrlelem::secondary
