#include "lng/lng_update.h"

#include <map>
#include <set>

#include "lng/lng_lines.h"

namespace ctrlelem_tool::lng {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLanguageHeader = "[language]";

enum class Block { translator, untranslated, obsolete };

// The section a line stands in: 1 or 2 for the tables, kLanguageSection for
// [language], 0 before any header.
constexpr int kLanguageSection = -1;

// Lines the update writes end as the file's first line does.
std::string LineEnding(const std::vector<LngLine>& lines) {
  return !lines.empty() && lines.front().bytes.ends_with("\r\n") ? "\r\n" : "\n";
}

// A line taken from the file, with a line ending. Only the file's last line
// can lack one; a CR that ends it is its line ending to the parser, so it is
// replaced rather than kept in front of the new one (where it would become
// part of the text).
std::string Ended(std::string line, const std::string& eol) {
  if (line.ends_with('\n')) return line;
  if (line.ends_with('\r')) line.pop_back();
  return line + eol;
}

// Whether the text ends in a line that holds nothing but blanks.
bool EndsWithBlankLine(std::string_view text) {
  if (!text.ends_with('\n')) return false;
  text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  const std::size_t start = text.rfind('\n');
  return TrimBlanks(start == std::string_view::npos ? text : text.substr(start + 1)).empty();
}

// The text of a line as the parser classifies it: no line ending, no
// byte-order mark, no blanks at either end.
std::string_view Classified(const LngLine& line) {
  std::string_view text = LineText(line);
  if (line.number == 1 && text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return TrimBlanks(text);
}

// Lines a translator wrote inside the tool's blocks, moved to the end of the
// body. An entry of [language] (the name) is moved under a header of its
// section when the body does not end in that section already.
class MovedLines {
 public:
  MovedLines(int section, std::string eol) : section_(section), eol_(std::move(eol)) {}

  void Add(const LngLine& line, int section) {
    if (line.kind == LineKind::section) {
      section_ = line.table != 0 ? line.table : kLanguageSection;
    } else if (line.kind == LineKind::other && section_ != section) {
      text_ += std::string(kLanguageHeader) + eol_;
      section_ = section;
    }
    text_ += Ended(line.bytes, eol_);
  }

  const std::string& text() const { return text_; }

 private:
  int section_;
  std::string eol_;
  std::string text_;
};

}  // namespace

std::string UpdateLngContent(std::string_view content, const EntryLines& english) {
  const std::vector<LngLine> lines = SplitLngLines(content);
  const std::string eol = LineEnding(lines);
  const auto table_header = [&eol](int table) {
    return "[table " + std::to_string(table) + "]" + eol;
  };

  // Which block and section each line stands in, and the translated entries.
  std::vector<Block> blocks;
  std::vector<int> sections;
  std::set<StringKey> translated;
  Block block = Block::translator;
  int section = 0;
  int body_section = 0;  // the section at the end of the translator's block
  for (const LngLine& line : lines) {
    const std::string_view text = Classified(line);
    if (text == kUntranslatedMarker) block = Block::untranslated;
    if (text == kObsoleteMarker) block = Block::obsolete;
    if (line.kind == LineKind::section) section = line.table != 0 ? line.table : kLanguageSection;
    blocks.push_back(block);
    sections.push_back(section);
    if (block == Block::translator) body_section = section;
    if (line.kind == LineKind::entry) translated.insert({line.table, line.id});
  }

  std::string body;                       // the translator's lines, less obsolete entries
  MovedLines moved(body_section, eol);    // the translator's lines from the tool's blocks
  std::map<StringKey, std::string> kept;  // entries translated inside the tool's blocks
  std::string obsolete_kept;              // the obsolete block's comments, less its marker
  std::string newly_obsolete;
  std::map<int, std::string> newly_by_table;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LngLine& line = lines[i];
    const std::string_view text = Classified(line);
    if (line.kind == LineKind::entry) {
      if (!english.contains({line.table, line.id})) {
        std::string commented = "; " + std::string(text) + eol;
        if (blocks[i] == Block::obsolete) {
          obsolete_kept += commented;  // uncommented in the block: comment it again
        } else {
          newly_by_table[line.table] += commented;
        }
      } else if (blocks[i] == Block::translator) {
        body += Ended(line.bytes, eol);
      } else {
        // Translated in place: listed with the untranslated ids, under its table.
        kept[{line.table, line.id}] = Ended(line.bytes, eol);
      }
      continue;
    }
    switch (blocks[i]) {
      case Block::translator:
        body += Ended(line.bytes, eol);
        break;
      case Block::untranslated: {
        // The tool's own lines are written afresh; the translator's are moved.
        const bool tools_own = text.empty() || text == kUntranslatedMarker ||
                               (line.kind == LineKind::section && line.table != 0) ||
                               (line.kind == LineKind::comment && CommentedEntryId(text) >= 0);
        if (!tools_own) moved.Add(line, sections[i]);
        break;
      }
      case Block::obsolete:
        if (line.kind == LineKind::other) {
          moved.Add(line, sections[i]);  // the name belongs in the body
        } else if (text != kObsoleteMarker) {
          obsolete_kept += Ended(line.bytes, eol);
        }
        break;
    }
  }
  for (const auto& [table, entries] : newly_by_table) {
    newly_obsolete += table_header(table) + entries;
  }
  std::string out = body + moved.text();
  // The file's byte-order mark stays, even where the line it stood on was
  // the tool's.
  if (content.starts_with(kByteOrderMark) && !out.starts_with(kByteOrderMark)) {
    out.insert(0, kByteOrderMark);
  }
  std::string untranslated;
  int table = 0;
  for (const auto& [key, entry] : english) {
    const auto kept_line = kept.find(key);
    if (translated.contains(key) && kept_line == kept.end()) continue;
    if (key.table != table) {
      table = key.table;
      untranslated += table_header(table);
    }
    untranslated +=
        kept_line != kept.end() ? kept_line->second : "; " + std::string(TrimBlanks(entry)) + eol;
  }
  // A body that ends in a blank line keeps it; the blocks begin after one.
  const auto separate = [&out, &eol] {
    if (!out.empty() && out != kByteOrderMark && !EndsWithBlankLine(out)) out += eol;
  };
  if (!untranslated.empty()) {
    separate();
    out += std::string(kUntranslatedMarker) + eol + untranslated;
  }
  if (!obsolete_kept.empty() || !newly_obsolete.empty()) {
    separate();
    out += std::string(kObsoleteMarker) + eol + obsolete_kept + newly_obsolete;
  }
  return out;
}

}  // namespace ctrlelem_tool::lng
