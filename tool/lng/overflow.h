// Texts wider than the box the description gives them: the check behind
// `lng check`'s overflow findings, for any tool that wants to mark them (the
// gallery, for one).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "lng/string_index.h"
#include "screen/screen.h"

namespace ctrlelem_tool::lng {

// The font a site's text is drawn in, as the screen layer measures it. Style
// bit 0x1 draws labels bold; a size of 0 is the host's default, 9 points.
screen::FontRequest SiteFontRequest(const SiteFont& font);

// The text as drawn: a single '&' marks the access key and is not drawn, "&&"
// draws one '&'.
std::wstring DrawnText(std::wstring_view text);

// The width of the text as drawn in the font, in device pixels.
int TextWidth(const SiteFont& font, std::wstring_view text);

// Whether the text is broken onto several lines: drawn with word breaks, or
// not held to a single line in a box that holds two lines of its font (the
// notices of dialogs, which the host shows in controls that wrap).
bool Wraps(const TextSite& site);

struct Overflow {
  TextSite site;                 // in the current language
  std::vector<StringKey> shows;  // the strings its text is made of
  int text_width = 0;            // device pixels at the current screen
  int area_width = 0;
  int english_width = 0;  // the built-in English text at the same place
};

// Whether the translation, not the description, is at fault: the English text
// fits, or the translation is wider still. Boxes that are too narrow for the
// English text as well are the descriptions' business.
bool CausedByTranslation(const Overflow& overflow);

// Builds the descriptions in the current language and screen and returns every
// text that is wider than its box where the box neither wraps the text nor is
// sized from it. `index` comes from BuildStringIndex at the same screen.
// Placement follows the description's own sizes; texts in boxes that the host
// sizes (split-view panes) are not judged.
std::vector<Overflow> FindOverflows(const StringIndex& index, std::ostream& err);

}  // namespace ctrlelem_tool::lng
