#include "lng/string_index.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

#include "common.h"
#include "language/strings.h"
#include "lng/lng_lines.h"
#include "lng/overflow.h"

namespace ctrlelem_tool::lng {
namespace {

// A tag is "<U+E000>TABLE:ID<U+E001>": private-use characters that no text
// of the tables holds.
constexpr wchar_t kTagOpen = 0xE000;
constexpr wchar_t kTagClose = 0xE001;
constexpr std::string_view kTagOpenUtf8 = "\xEE\x80\x80";
constexpr std::string_view kTagCloseUtf8 = "\xEE\x80\x81";

// The two tagged builds differ only in a run of wide letters after each text,
// of a length that differs from string to string, so that a box sized from one
// string is told from a box that merely shows it.
constexpr char kPadLetter = 'W';
constexpr int kBasePad = 4;
int ExtraPad(int id) { return 4 * (1 + id % 4); }

// A box counts as sized from its text when it grew by what the text grew, up to
// the difference between the measuring font and the font the text is drawn in.
bool GrewWithText(int box_growth, int text_growth) {
  if (box_growth <= 0 || text_growth <= 0) return false;
  const int tolerance = std::max(3, text_growth / 5);
  return std::abs(box_growth - text_growth) <= tolerance;
}

// The built-in tables as a language file, every text tagged and padded.
std::string TaggedTables(bool extra_pad) {
  const std::string builtin = language::BuiltinTablesAsLng();
  std::string out;
  for (const LngLine& line : SplitLngLines(builtin)) {
    if (line.kind != LineKind::entry || StringKey{line.table, line.id} == kMeasuringFace) {
      out += line.bytes;
      continue;
    }
    const std::string_view text = LineText(line);
    std::string_view value = TrimBlanks(text.substr(text.find('=') + 1));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (quoted) value = value.substr(1, value.size() - 2);
    const std::string tag = std::string(kTagOpenUtf8) + std::to_string(line.table) + ":" +
                            std::to_string(line.id) + std::string(kTagCloseUtf8);
    const std::string pad(kBasePad + (extra_pad ? ExtraPad(line.id) : 0), kPadLetter);
    out += std::to_string(line.id) + " = " + (quoted ? "\"" : "") + tag + std::string(value) + pad +
           (quoted ? "\"" : "") + "\n";
  }
  return out;
}

std::vector<StringKey> ReadTags(std::wstring_view text) {
  std::vector<StringKey> keys;
  for (std::size_t open = text.find(kTagOpen); open != std::wstring_view::npos;
       open = text.find(kTagOpen, open + 1)) {
    const std::size_t close = text.find(kTagClose, open);
    if (close == std::wstring_view::npos) break;
    const std::wstring tag(text.substr(open + 1, close - open - 1));
    const std::size_t colon = tag.find(L':');
    if (colon == std::wstring::npos) continue;
    keys.push_back({std::stoi(tag.substr(0, colon)), std::stoi(tag.substr(colon + 1))});
  }
  return keys;
}

// The texts of one build and the sizes the layout gives their boxes.
struct LanguageBuild {
  std::vector<TextSite> sites;
  struct Box {
    int width = 0;
    int text_width = 0;  // the widest line the text needs
  };
  std::map<std::string, Box> boxes;  // by the path of the text's value
};

LanguageBuild CollectBuild() {
  LanguageBuild build;
  build.sites = CollectRegisteredTextSites();
  const auto layouts = RegisteredLayouts();
  for (const auto& [path, element] : ElementsByTextPath(layouts)) {
    build.boxes[path] = {element->text->box.width, element->text->layout.needed_width};
  }
  return build;
}

// Builds the descriptions from `content` as the current language.
LanguageBuild SitesOfLanguage(const std::string& content, std::ostream& err) {
  std::random_device random;
  const auto path = std::filesystem::temp_directory_path() /
                    ("ctrlelem-lng-" + std::to_string(random()) + ".lng");
  {
    std::ofstream file(path, std::ios::binary);
    file << content;
  }
  const auto error = language::SetLanguageFile(path.string());
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (error) {
    err << "ctrlelem: warning: " << error->message << '\n';
    return {};
  }
  BuildDescriptions(err);
  return CollectBuild();
}

}  // namespace

StringTable BuiltinStrings() {
  language::SetLanguageFile("");
  StringTable table;
  for (const LngLine& line : SplitLngLines(language::BuiltinTablesAsLng())) {
    if (line.kind == LineKind::entry) {
      table[{line.table, line.id}] = LoadResourceString(line.id, line.table, 0);
    }
  }
  return table;
}

EntryLines BuiltinEntryLines() {
  EntryLines lines;
  for (const LngLine& line : SplitLngLines(language::BuiltinTablesAsLng())) {
    if (line.kind == LineKind::entry) lines[{line.table, line.id}] = std::string(LineText(line));
  }
  return lines;
}

long long StringIndex::Find(const std::string& path) const {
  const auto found = by_path.find(path);
  return found == by_path.end() ? -1 : static_cast<long long>(found->second);
}

StringIndex BuildStringIndex(std::ostream& err) {
  StringIndex index;
  const LanguageBuild tagged = SitesOfLanguage(TaggedTables(false), err);
  const LanguageBuild padded = SitesOfLanguage(TaggedTables(true), err);
  language::SetLanguageFile("");
  BuildDescriptions(err);
  index.sites = tagged.sites;
  for (std::size_t i = 0; i < index.sites.size(); ++i) {
    const TextSite& site = index.sites[i];
    index.by_path.emplace(site.path, i);
    index.shows.push_back(ReadTags(site.text));
    for (const StringKey& key : index.shows.back()) index.uses[key].push_back(i);
    // A box sized from its own text grows with it; one that merely shows it
    // keeps its size.
    const auto before = tagged.boxes.find(site.path);
    const auto after = padded.boxes.find(site.path);
    index.fitted.push_back(before != tagged.boxes.end() && after != padded.boxes.end() &&
                           GrewWithText(after->second.width - before->second.width,
                                        after->second.text_width - before->second.text_width));
  }
  return index;
}

}  // namespace ctrlelem_tool::lng
