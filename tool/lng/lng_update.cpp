#include "lng/lng_update.h"

#include <map>
#include <set>

#include "lng/lng_lines.h"

namespace ctrlelem_tool::lng {
namespace {

enum class Block { translator, untranslated, obsolete };

// Lines the update writes end as the file's first line does.
std::string LineEnding(const std::vector<LngLine>& lines) {
  return !lines.empty() && lines.front().bytes.ends_with("\r\n") ? "\r\n" : "\n";
}

// A line taken from the file, ended where it was the file's unended last line.
std::string Ended(std::string line, const std::string& eol) {
  if (!line.ends_with('\n')) line += eol;
  return line;
}

}  // namespace

std::string UpdateLngContent(std::string_view content, const EntryLines& english) {
  const std::vector<LngLine> lines = SplitLngLines(content);
  const std::string eol = LineEnding(lines);
  const auto table_header = [&eol](int table) {
    return "[table " + std::to_string(table) + "]" + eol;
  };

  // Which block each line stands in, and the translated entries.
  std::vector<Block> blocks;
  std::set<StringKey> translated;
  Block block = Block::translator;
  for (const LngLine& line : lines) {
    const std::string_view text = TrimBlanks(LineText(line));
    if (text == kUntranslatedMarker) block = Block::untranslated;
    if (text == kObsoleteMarker) block = Block::obsolete;
    blocks.push_back(block);
    if (line.kind == LineKind::entry) translated.insert({line.table, line.id});
  }

  std::string body;                       // the translator's lines, less obsolete entries
  std::map<StringKey, std::string> kept;  // entries translated inside the untranslated block
  std::string obsolete_kept;              // the obsolete block as it stands, less its marker
  std::string newly_obsolete;
  std::map<int, std::string> newly_by_table;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LngLine& line = lines[i];
    const bool entry = line.kind == LineKind::entry;
    const bool known = entry && english.contains({line.table, line.id});
    if (entry && !known) {
      std::string moved = "; " + std::string(TrimBlanks(LineText(line))) + eol;
      if (blocks[i] == Block::obsolete) {
        obsolete_kept += moved;  // uncommented in the block: comment it again
      } else {
        newly_by_table[line.table] += moved;
      }
      continue;
    }
    switch (blocks[i]) {
      case Block::translator:
        body += line.bytes;
        break;
      case Block::untranslated:
        if (entry) kept[{line.table, line.id}] = Ended(line.bytes, eol);
        break;
      case Block::obsolete:
        if (TrimBlanks(LineText(line)) != kObsoleteMarker) obsolete_kept += Ended(line.bytes, eol);
        break;
    }
  }
  if (!body.empty()) body = Ended(std::move(body), eol);
  for (const auto& [table, entries] : newly_by_table) {
    newly_obsolete += table_header(table) + entries;
  }
  // A body that ends in blank lines keeps them; the blocks begin after one.
  std::string out = body;
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
  const auto separate = [&out, &eol] {
    if (!out.empty() && !out.ends_with(eol + eol)) out += eol;
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
