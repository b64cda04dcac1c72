#include "lng/lng_update.h"

#include <map>
#include <set>

#include "lng/lng_lines.h"

namespace ctrlelem_tool::lng {
namespace {

enum class Block { translator, untranslated, obsolete };

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string TableHeader(int table) { return "[table " + std::to_string(table) + "]\n"; }

}  // namespace

std::string UpdateLngContent(std::string_view content, const EntryLines& english) {
  const std::vector<LngLine> lines = SplitLngLines(content);

  // Which block each line stands in, and the translated entries.
  std::vector<Block> blocks;
  std::set<StringKey> translated;
  Block block = Block::translator;
  for (const LngLine& line : lines) {
    const std::string_view text = Trimmed(LineText(line));
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
      std::string moved = "; " + std::string(Trimmed(LineText(line))) + "\n";
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
        if (entry) kept[{line.table, line.id}] = line.bytes;
        break;
      case Block::obsolete:
        if (Trimmed(LineText(line)) != kObsoleteMarker) obsolete_kept += line.bytes;
        break;
    }
  }
  if (!body.empty() && body.back() != '\n') body += '\n';
  if (!obsolete_kept.empty() && obsolete_kept.back() != '\n') obsolete_kept += '\n';
  for (const auto& [table, entries] : newly_by_table) {
    newly_obsolete += TableHeader(table) + entries;
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
      untranslated += TableHeader(table);
    }
    untranslated +=
        kept_line != kept.end() ? kept_line->second : "; " + std::string(Trimmed(entry)) + "\n";
  }
  const auto separate = [&out] {
    if (!out.empty() && !out.ends_with("\n\n")) out += '\n';
  };
  if (!untranslated.empty()) {
    separate();
    out += std::string(kUntranslatedMarker) + "\n" + untranslated;
  }
  if (!obsolete_kept.empty() || !newly_obsolete.empty()) {
    separate();
    out += std::string(kObsoleteMarker) + "\n" + obsolete_kept + newly_obsolete;
  }
  return out;
}

}  // namespace ctrlelem_tool::lng
