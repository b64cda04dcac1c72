// The translator's template that `ctrlelem export-lng` writes: the built-in
// English tables as a language file, with a comment above each entry saying
// where its text shows, and the font-face entries marked as no text to
// translate.
#pragma once

#include <iosfwd>
#include <string>

namespace ctrlelem_tool::lng {

// Builds the descriptions (in English, at the current screen) to find where
// each string shows. Parsing the result gives exactly the built-in tables.
std::string AnnotatedTemplate(std::ostream& err);

}  // namespace ctrlelem_tool::lng
