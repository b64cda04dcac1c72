// The font file that text of a face, size and weight is measured with where
// there is no GDI: the one fontconfig matches for the face (falling back to the
// sans-serif family that FF_SWISS asks for), the weight and a roman slant.
// Anything that draws text the library measured opens this same file, so the
// drawn width is the measured width.
#pragma once

#include <optional>
#include <string>

#include "screen/screen.h"

namespace screen {

struct FontFile {
  std::string path;
  int index = 0;  // the face within a collection file
};

// Null when fontconfig offers no file at all. Not available on Windows, where
// GDI measures.
std::optional<FontFile> MatchFontFile(const FontRequest& font);

}  // namespace screen
