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

// Builds the descriptions from `content` as the current language.
std::vector<TextSite> SitesOfLanguage(const std::string& content, std::ostream& err) {
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
    err << "ctrlelem: warning: " << error->message() << '\n';
    return {};
  }
  BuildDescriptions(err);
  return CollectRegisteredTextSites();
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
  const StringTable english = BuiltinStrings();
  const std::wstring face = english.at({2, 20});
  StringIndex index;
  index.sites = SitesOfLanguage(TaggedTables(false), err);
  const std::vector<TextSite> padded = SitesOfLanguage(TaggedTables(true), err);
  language::SetLanguageFile("");
  BuildDescriptions(err);
  const std::vector<TextSite> plain = CollectRegisteredTextSites();
  std::unordered_map<std::string, const TextSite*> plain_at;
  for (const TextSite& site : plain) plain_at.emplace(site.path, &site);

  // Links parsed out of information-bar texts shift the runs after a tag, so
  // the builds are matched by path where their sites differ in number.
  const bool aligned = padded.size() == index.sites.size();
  for (std::size_t i = 0; i < index.sites.size(); ++i) {
    const TextSite& site = index.sites[i];
    index.by_path.emplace(site.path, i);
    index.shows.push_back(ReadTags(site.text));
    for (const StringKey& key : index.shows.back()) index.uses[key].push_back(i);

    bool fitted = false;
    if (aligned && site.font && site.area_width && padded[i].path == site.path &&
        padded[i].area_width) {
      SiteFont font = *site.font;
      font.face = face;  // the tagged face names no font
      fitted = GrewWithText(*padded[i].area_width - *site.area_width,
                            TextWidth(font, padded[i].text) - TextWidth(font, site.text));
    }
    index.fitted.push_back(fitted);
    const auto english = plain_at.find(site.path);
    index.english_width.push_back(english != plain_at.end() && english->second->font
                                      ? TextWidth(*english->second->font, english->second->text)
                                      : 0);
  }
  return index;
}

}  // namespace ctrlelem_tool::lng
