#include "lng/lng_check.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <tuple>

#include "language/conversions.h"
#include "language/utf8.h"
#include "lng/access_keys.h"
#include "lng/lng_lines.h"
#include "lng/overflow.h"
#include "text_encoding.h"

namespace ctrlelem_tool::lng {
namespace {

std::string Utf8(std::wstring_view text) { return language::WideToUtf8(text); }

std::string Quoted(std::wstring_view text) { return "\"" + Utf8(text) + "\""; }

std::wstring_view LeadingBlanks(std::wstring_view text) {
  return text.substr(0, std::min(text.size(), text.find_first_not_of(L" \t")));
}
std::wstring_view TrailingBlanks(std::wstring_view text) {
  const std::size_t last = text.find_last_not_of(L" \t");
  return last == std::wstring_view::npos ? text : text.substr(last + 1);
}

std::string Place(const StringKey& key) {
  return std::to_string(key.id) + "/" + std::to_string(key.table);
}

class Checker {
 public:
  Checker(const StringIndex& index, const StringTable& english, LngReport& report)
      : index_(index), english_(english), report_(report) {}

  void Strings(const std::map<StringKey, int>& lines, const StringTable& texts) {
    lines_ = lines;
    for (const auto& [key, text] : english_) {
      Coverage& coverage = report_.coverage[key.table];
      ++coverage.total;
      const auto found = texts.find(key);
      if (found == texts.end()) {
        Add("missing", Severity::warning, key, "not translated: English shows, " + Quoted(text));
        continue;
      }
      ++coverage.translated;
      Compare(key, text, found->second, "line " + std::to_string(lines.at(key)) + ": ");
    }
    for (const auto& [key, line] : lines) {
      if (!english_.contains(key)) {
        Add("unknown", Severity::error, key,
            "line " + std::to_string(line) + ": the built-in tables have no string " +
                std::to_string(key.id) + " in table " + std::to_string(key.table));
      }
    }
  }

  // Two strings of one menu or one window that share an access key, where the
  // English strings do not.
  void SharedAccessKeys(const std::vector<TextSite>& sites) {
    const auto shared = [this](const std::vector<TextSite>& in) {
      // group -> key -> the strings that mark it, and their paths
      std::map<std::string, std::map<wchar_t, std::map<StringKey, std::string>>> keys;
      for (const TextSite& site : in) {
        const long long at = index_.Find(site.path);
        if (site.key_group.empty() || at < 0 || index_.shows[at].size() != 1) continue;
        if (const wchar_t key = AccessKey(site.text)) {
          keys[site.key_group][key].emplace(index_.shows[at].front(), site.path);
        }
      }
      return keys;
    };
    const auto english = shared(index_.sites);
    // One finding per pair and key, though menus shared by several
    // descriptions show the pair more than once.
    std::map<std::tuple<StringKey, StringKey, wchar_t>, std::vector<std::string>> pairs;
    std::map<std::tuple<StringKey, StringKey, wchar_t>, bool> in_menu;
    for (const auto& [group, by_key] : shared(sites)) {
      for (const auto& [key, strings] : by_key) {
        if (strings.size() < 2) continue;
        std::set<StringKey> english_sharing;
        if (const auto found = english.find(group);
            found != english.end() && found->second.contains(key)) {
          for (const auto& [string, path] : found->second.at(key)) english_sharing.insert(string);
        }
        const auto& [first, first_path] = *strings.begin();
        for (const auto& [string, path] : strings) {
          if (string == first ||
              (english_sharing.contains(string) && english_sharing.contains(first))) {
            continue;
          }
          const auto pair = std::tuple(string, first, key);
          pairs[pair].insert(pairs[pair].end(), {first_path, path});
          in_menu[pair] = group.find(" > ") != std::string::npos;
        }
      }
    }
    for (auto& [pair, where] : pairs) {
      const auto& [string, first, key] = pair;
      Add("accelerator", Severity::warning, string,
          "access key '" + Utf8(std::wstring(1, key)) + "' is also that of " + Place(first) +
              " in the same " + (in_menu[pair] ? "menu" : "window"),
          std::move(where));
    }
  }

  // One finding per string and axis, at the place where the text misses its
  // box by most, listing every place it does not fit.
  void Overflows(const std::vector<Overflow>& overflows) {
    std::map<std::pair<StringKey, ctrlelem::layout::Axis>, std::vector<const Overflow*>> grouped;
    for (const Overflow& overflow : overflows) {
      if (!overflow.shows.empty())
        grouped[{overflow.shows.front(), overflow.axis}].push_back(&overflow);
    }
    for (const auto& [group, list] : grouped) {
      const Overflow& worst = **std::max_element(list.begin(), list.end(), [](auto* a, auto* b) {
        return a->needed - a->available < b->needed - b->available;
      });
      // One place per element: a button's states show one caption.
      std::vector<std::string> where;
      for (const Overflow* overflow : list) {
        const std::string element = ElementPathOf(overflow->path);
        if (std::find(where.begin(), where.end(), element) == where.end()) {
          where.push_back(element);
        }
      }
      const bool width = group.second == ctrlelem::layout::Axis::width;
      const auto id = static_cast<std::uint32_t>(std::stoul(worst.path));
      Add("overflow", Severity::error, group.first,
          Quoted(DrawnText(worst.text)) + " is " + std::to_string(worst.needed) + " px " +
              (width ? "wide" : "tall") + "; its box is " + std::to_string(worst.available) +
              " px" + (worst.visible ? "" : " (hidden)") + " in " + DescriptionName(id),
          std::move(where), std::string(ctrlelem::layout::AxisName(group.second)));
    }
  }

 private:
  void Compare(const StringKey& key, const std::wstring& english, const std::wstring& text,
               const std::string& line) {
    const language::Conversions want = language::ReadConversions(english);
    const language::Conversions have = language::ReadConversions(text);
    if (!have.floating.empty()) {
      Add("format", Severity::error, key,
          line + "floating-point conversion %" + Utf8(have.floating.front().substr(1)) +
              " (labels cannot show one)");
    } else if (have.stray > 0) {
      Add("format", Severity::error, key,
          line + "a '%' that begins no conversion (write %% for a percent sign)");
    } else if (have.kinds != want.kinds) {
      Add("format", Severity::error, key,
          line + "conversions " + Utf8(language::ConversionList(have.kinds)) +
              " where English has " + Utf8(language::ConversionList(want.kinds)));
    }
    const bool english_key = AccessKey(english) != 0;
    const bool has_key = AccessKey(text) != 0;
    if (english_key != has_key) {
      Add("accelerator", Severity::warning, key,
          line + (english_key
                      ? "the access key marker '&' is lost (English: " + Quoted(english) + ")"
                      : "an access key marker '&' is added (English has none)"));
    }
    if (LeadingBlanks(english) != LeadingBlanks(text) ||
        TrailingBlanks(english) != TrailingBlanks(text)) {
      Add("blank", Severity::warning, key,
          line + "leading or trailing blanks differ from English " + Quoted(english));
    }
  }

  void Add(const char* code, Severity severity, const StringKey& key, std::string message,
           std::vector<std::string> where = {}, std::string axis = {}) {
    if (where.empty() && std::string_view(code) != "missing" &&
        std::string_view(code) != "unknown") {
      if (const auto uses = index_.uses.find(key); uses != index_.uses.end()) {
        for (const std::size_t site : uses->second) where.push_back(index_.sites[site].path);
      }
    }
    report_.findings.push_back(
        {code, severity, key.table, key.id, std::move(message), std::move(where), std::move(axis)});
    ++(severity == Severity::error ? report_.errors : report_.warnings);
  }

  const StringIndex& index_;
  const StringTable& english_;
  LngReport& report_;
  std::map<StringKey, int> lines_;  // of the file's entries
};

std::size_t CodeRank(const std::string& code) {
  for (std::size_t i = 0; i < std::size(kCodes); ++i) {
    if (code == kCodes[i]) return i;
  }
  return std::size(kCodes);
}

}  // namespace

std::optional<language::Error> CheckLngFile(const std::string& path, const StringIndex& index,
                                            const StringTable& english, LngReport& report,
                                            std::ostream& err) {
  report = {};
  report.file = path;
  if (auto error = language::SetLanguageFile(path)) return error;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();

  // The texts as the file gives them: the library sets aside a pattern whose
  // conversions differ from English, and the check must see what was written.
  std::map<std::pair<int, int>, std::wstring> written;
  if (auto error = language::ReadLanguageTexts(path, written)) return error;
  std::map<StringKey, int> lines;
  StringTable texts;
  for (const LngLine& line : SplitLngLines(content.str())) {
    if (line.kind != LineKind::entry) continue;
    lines[{line.table, line.id}] = line.number;
    texts[{line.table, line.id}] = written[{line.table, line.id}];
  }
  Checker checker(index, english, report);
  checker.Strings(lines, texts);
  const std::vector<Overflow> overflows =
      FindOverflows(index, err);  // builds in the file's language
  checker.SharedAccessKeys(CollectRegisteredTextSites());
  checker.Overflows(overflows);

  std::stable_sort(report.findings.begin(), report.findings.end(),
                   [](const LngFinding& a, const LngFinding& b) {
                     return std::tuple(CodeRank(a.code), a.table, a.id) <
                            std::tuple(CodeRank(b.code), b.table, b.id);
                   });
  return std::nullopt;
}

void PrintReport(const LngReport& report, std::ostream& out, bool list_missing) {
  std::string code;
  std::map<int, int> missing;  // by table, when not listed
  for (const LngFinding& finding : report.findings) {
    if (finding.code == "missing" && !list_missing) {
      ++missing[finding.table];
      continue;
    }
    if (finding.code != code) {
      code = finding.code;
      out << code << ":\n";
    }
    out << "  " << (finding.severity == Severity::error ? "error" : "warning") << ": string "
        << finding.id << " of table " << finding.table << ": " << Printable(finding.message);
    for (std::size_t i = 0; i < finding.where.size(); ++i) {
      out << (i == 0 ? " [at " : "; ") << Printable(finding.where[i]);
    }
    out << (finding.where.empty() ? "" : "]") << '\n';
  }
  if (!missing.empty()) {
    out << "missing:\n";
    for (const auto& [table, count] : missing) {
      out << "  warning: " << count << (count == 1 ? " string" : " strings") << " of table "
          << table << " not translated: English shows (--missing lists them)\n";
    }
  }
  out << Printable(report.file) << ":";
  for (const auto& [table, coverage] : report.coverage) {
    out << " table " << table << " " << coverage.translated << " of " << coverage.total
        << " translated;";
  }
  out << " " << report.errors << " errors, " << report.warnings << " warnings\n";
}

Json ReportToJson(const LngReport& report) {
  Json coverage = Json::object();
  for (const auto& [table, counts] : report.coverage) {
    coverage[std::to_string(table)] = {{"translated", counts.translated}, {"total", counts.total}};
  }
  Json findings = Json::array();
  for (const LngFinding& finding : report.findings) {
    findings.push_back({{"code", finding.code},
                        {"severity", finding.severity == Severity::error ? "error" : "warning"},
                        {"table", finding.table},
                        {"id", finding.id},
                        {"line", finding.line > 0 ? Json(finding.line) : Json(nullptr)},
                        {"message", finding.message},
                        {"where", finding.where}});
    if (!finding.axis.empty()) findings.back()["axis"] = finding.axis;
  }
  return {{"file", report.file}, {"coverage", coverage}, {"findings", findings}};
}

}  // namespace ctrlelem_tool::lng
