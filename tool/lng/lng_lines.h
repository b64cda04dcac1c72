// The lines of a language file as the translator tools see them: which line
// is an entry of which table and id, which a section header, which a comment.
// The library's parser decides whether a file is valid and what each text
// reads; this split only locates entries so that `lng update` can rewrite a
// file line by line and leave every other byte as it was.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ctrlelem_tool::lng {

enum class LineKind { other, comment, section, entry };

struct LngLine {
  std::string bytes;  // the line with its line ending, exactly as in the file
  LineKind kind = LineKind::other;
  int table = 0;   // 1 or 2 for an entry or a [table N] header; 0 otherwise
  int id = -1;     // the entry's string id
  int number = 0;  // 1-based line number
};

// Splits a file into lines (the last one may lack its line ending). Lines
// that the parser would reject are `other`; call this on files that parse.
std::vector<LngLine> SplitLngLines(std::string_view content);

// The entry that a comment line holds when its text after ';' and blanks reads
// "ID = TEXT" (the commented-out entries that `lng update` writes): its id,
// else -1.
int CommentedEntryId(std::string_view line);

// The text without blanks (spaces, tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// The line without its line ending.
std::string_view LineText(const LngLine& line);

}  // namespace ctrlelem_tool::lng
