// Bringing a language file up to date with the built-in tables
// (`ctrlelem lng update`).
//
// Every line the translator wrote stays as it was, byte for byte, except the
// entries of ids the tables no longer have. Two blocks at the end of the file
// belong to the tool and are rewritten on every run:
//   untranslated: each id the file lacks, as a commented-out entry with the
//     English text; removing the "; " translates it in place, and such a line
//     is kept, listed under its table.
//   obsolete: the entries of ids the tables no longer have, commented out.
// Anything else a translator wrote inside these blocks (a note, the
// [language] name) is moved to the end of the body, never dropped; an entry
// uncommented in the obsolete block is listed with the untranslated ones.
// Lines keep their line endings; a CR that ends an unended last line is taken
// as its line ending. The result reads as the same texts and name (less the
// obsolete entries), and running the update on its own result changes
// nothing.
#pragma once

#include <string>
#include <string_view>

#include "lng/string_index.h"

namespace ctrlelem_tool::lng {

inline constexpr std::string_view kUntranslatedMarker =
    "; ==== untranslated (ctrlelem lng update): English shows for these; "
    "remove the \"; \" to translate one ====";
inline constexpr std::string_view kObsoleteMarker =
    "; ==== obsolete (ctrlelem lng update): the built-in tables no longer have these ====";

// The updated content of a language file that parses.
std::string UpdateLngContent(std::string_view content, const EntryLines& english);

}  // namespace ctrlelem_tool::lng
