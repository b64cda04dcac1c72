// The gallery: a static site of every registered description that opens from
// file:// without a server. index.html shows a card per description; each
// description has a page with its picture as inline SVG (one group per element,
// carrying the element's path), the element tree beside it with two-way hover
// highlighting, a switch between the languages it was made with, and the texts
// that do not fit marked and listed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ctrlelem_tool::gallery {

// One language of the site: a name to show, the language file (empty for the
// built-in English) and its language code (`de`; empty when the file gives
// none), which labels the language's text for browsers and screen readers.
struct Language {
  std::string name;
  std::string file;
  std::string code;
};

// Writes the site into `dir` (created if need be), building the descriptions
// once per language with the screen settings in effect. With `native_dir`,
// each page shows the native capture NATIVE_DIR/ID.png (as ctrlelem_view
// --capture-all writes them) beside the picture, copied into the site; a
// capture that is missing or not a PNG file is named on `err` and left out.
// Returns the exit status: 0, 1 when a file cannot be written, 2 for a bad
// language file or a picture too large to draw (render::PictureSizeError).
int WriteGallery(const std::string& dir, const std::vector<Language>& languages, std::ostream& out,
                 std::ostream& err, const std::string& native_dir = {});

// The page assets, written beside the pages.
extern const char* const kGalleryCss;
extern const char* const kGalleryJs;

}  // namespace ctrlelem_tool::gallery
