#include "lng/lng_lines.h"

#include <charconv>

namespace ctrlelem_tool::lng {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The id before '=' of "ID = TEXT", or -1.
int EntryId(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return -1;
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  int id = -1;
  const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), id);
  if (key.empty() || ec != std::errc() || end != key.data() + key.size() || id < 0) return -1;
  return id;
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string_view LineText(const LngLine& line) {
  std::string_view text = line.bytes;
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  return text;
}

int CommentedEntryId(std::string_view line) {
  line = TrimBlanks(line);
  if (!line.starts_with(';')) return -1;
  return EntryId(line.substr(1));
}

std::vector<LngLine> SplitLngLines(std::string_view content) {
  std::vector<LngLine> lines;
  int section_table = 0;
  bool first = true;
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    const std::size_t length = newline == std::string_view::npos ? content.size() : newline + 1;
    LngLine line;
    line.bytes = std::string(content.substr(0, length));
    line.number = static_cast<int>(lines.size()) + 1;
    content.remove_prefix(length);

    std::string_view text = LineText(line);
    if (first && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    first = false;
    text = TrimBlanks(text);
    if (text.empty() || text.front() == ';' || text.front() == '#') {
      line.kind = LineKind::comment;
    } else if (text.front() == '[') {
      line.kind = LineKind::section;
      const std::string_view name = TrimBlanks(text.substr(1, text.size() - 2));
      section_table = name == "table 1" ? 1 : name == "table 2" ? 2 : 0;
      line.table = section_table;
    } else if (section_table != 0) {
      line.id = EntryId(text);
      if (line.id >= 0) {
        line.kind = LineKind::entry;
        line.table = section_table;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace ctrlelem_tool::lng
