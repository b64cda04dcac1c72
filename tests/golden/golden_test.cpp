// The golden record: `ctrlelem dump --json` of every registered description,
// under a scripted screen (no machine fonts), two string tables and two screen
// profiles, compared with the files committed beside this test. Any change to
// the content of a description shows up here as a reviewable diff.
//
// After an intended change, rewrite the record with scripts/update-golden.sh
// (it runs this program with CTRLELEM_UPDATE_GOLDEN=1) and review `git diff`.
//
// Each file holds one line per packet and per value, in stored order:
//   PATH = kind K              a packet (K is null for a packet without kind)
//   PATH = TYPE VALUE          a value, VALUE as in the JSON dump
// where PATH is the element id followed by the keys down to the value
// (1.10.5.2 is key 2 of child 5 of key 10 of description 1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "screen/scripted_screen.h"

namespace {

namespace fs = std::filesystem;

// A screen that answers the same on every machine.
struct ScreenProfile {
  const char* name;
  int dpi_x;
  int dpi_y;
  int cxmenucheck, cxframe, cyframe, cycaption;
  int width_per_char;
  int width_extra;
};

constexpr ScreenProfile kProfiles[] = {
    {"96", 96, 96, 13, 4, 4, 18, 7, 0},
    {"144x120", 144, 120, 17, 5, 6, 23, 9, 3},
};

// Every text of the built-in tables replaced by its own address and a %s, so a
// string reference that points at the wrong id or table changes the record.
std::string IdsLanguageFile() {
  std::istringstream builtin(language::BuiltinTablesAsLng());
  std::ostringstream out;
  out << "[language]\nname = ids\n";
  std::string line;
  int table = 0;
  while (std::getline(builtin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("[table ", 0) == 0) {
      table = std::stoi(line.substr(7));
      out << '\n' << line << '\n';
      continue;
    }
    if (table == 0 || line.empty() || line[0] < '0' || line[0] > '9') continue;
    const std::string id = line.substr(0, line.find_first_not_of("0123456789"));
    out << id << " = \"<" << id << '/' << table << " %s>\"\n";
  }
  return out.str();
}

void Flatten(const nlohmann::json& packet, const std::string& path, std::string& out) {
  out += path + " = kind " + packet["kind"].dump() + '\n';
  for (const nlohmann::json& value : packet["values"]) {
    const std::string at = path + '.' + value["key"].dump();
    const std::string type = value["type"].get<std::string>();
    if (type == "packet") {
      Flatten(value["value"], at, out);
    } else {
      out += at + " = " + type + ' ' + value["value"].dump() + '\n';
    }
  }
}

struct Record {
  std::string file_name;
  std::string text;
};

// Builds the descriptions with the tool under one profile and one table.
Record Make(const ScreenProfile& profile, const std::string& table, const fs::path& languages) {
  auto fake = std::make_shared<screen::ScriptedScreen>();
  fake->dpi_x = profile.dpi_x;
  fake->dpi_y = profile.dpi_y;
  fake->metrics = {{screen::Metric::cxmenucheck, profile.cxmenucheck},
                   {screen::Metric::cxframe, profile.cxframe},
                   {screen::Metric::cyframe, profile.cyframe},
                   {screen::Metric::cycaption, profile.cycaption}};
  fake->default_width = [profile](std::wstring_view text) {
    return profile.width_per_char * static_cast<int>(text.size()) + profile.width_extra;
  };
  screen::ScopedScreen installed(fake);

  language::SetLanguagesDir(languages.string());
  const std::string file = table == "en" ? std::string() : (languages / "ids.lng").string();
  EXPECT_FALSE(language::SetLanguageFile(file).has_value());
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(ctrlelem_tool::Run({"dump", "--json"}, out, err), 0) << err.str();
  language::SetLanguageFile("");
  language::TakeDiagnostics();

  const nlohmann::json dump = nlohmann::json::parse(out.str());
  EXPECT_EQ(dump["descriptions"].size(), 69u);
  Record record{table + '-' + profile.name + ".txt", {}};
  for (const nlohmann::json& description : dump["descriptions"]) {
    Flatten(description["packet"], description["id"].dump(), record.text);
  }
  return record;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A short hint at what changed: the lines between the common beginning and the
// common end; where that run has as many lines on both sides (values changed,
// none added or removed), only the pairs that differ.
std::string DiffHint(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> want = Lines(expected);
  const std::vector<std::string> got = Lines(actual);
  std::size_t head = 0;
  while (head < want.size() && head < got.size() && want[head] == got[head]) ++head;
  std::size_t tail = 0;
  while (tail < want.size() - head && tail < got.size() - head &&
         want[want.size() - 1 - tail] == got[got.size() - 1 - tail]) {
    ++tail;
  }
  constexpr std::size_t kShown = 8;
  std::ostringstream hint;
  const std::size_t want_end = want.size() - tail;
  const std::size_t got_end = got.size() - tail;
  if (want_end - head == got_end - head) {
    std::size_t changed = 0;
    for (std::size_t i = head; i < want_end; ++i) {
      if (want[i] == got[i]) continue;
      if (++changed <= kShown)
        hint << "line " << i + 1 << ":\n- " << want[i] << "\n+ " << got[i] << '\n';
    }
    hint << changed << " lines changed\n";
  } else {
    hint << "lines " << head + 1 << " to " << want_end << " expected, " << got_end - head
         << " other lines found there:\n";
    for (std::size_t i = head; i < want_end && i < head + kShown; ++i)
      hint << "- " << want[i] << '\n';
    for (std::size_t i = head; i < got_end && i < head + kShown; ++i)
      hint << "+ " << got[i] << '\n';
  }
  hint << "If the change is intended: scripts/update-golden.sh, then review git diff tests/golden";
  return hint.str();
}

class GoldenTest : public ::testing::Test {
 protected:
  // The folder of the language list; it holds the generated table, so both
  // tables see the same one-entry language submenu.
  void SetUp() override {
    fs::create_directories(languages_);
    std::ofstream(languages_ / "ids.lng", std::ios::binary) << IdsLanguageFile();
  }

  const fs::path languages_ = fs::path(CTRLELEM_GOLDEN_WORK_DIR) / "languages";
};

TEST_F(GoldenTest, EveryDescriptionMatchesTheRecord) {
  const fs::path dir = CTRLELEM_GOLDEN_DIR;
  const char* update = std::getenv("CTRLELEM_UPDATE_GOLDEN");
  const bool rewrite = update != nullptr && std::string(update) == "1";
  for (const ScreenProfile& profile : kProfiles) {
    for (const std::string table : {"en", "ids"}) {
      Record record = Make(profile, table, languages_);
#if defined(_WIN32)
      // The language submenu names a language "NAME (FILE)" when its path is a
      // Windows path (it has a backslash); the record holds the other form.
      for (std::size_t at; (at = record.text.find("\"ids (ids.lng)\"")) != std::string::npos;) {
        record.text.replace(at, 15, "\"ids\"");
      }
#endif
      const fs::path path = dir / record.file_name;
      if (rewrite) {
        std::ofstream(path, std::ios::binary) << record.text;
        continue;
      }
      std::ifstream in(path, std::ios::binary);
      ASSERT_TRUE(in) << "missing " << path << ": run scripts/update-golden.sh";
      const std::string expected{std::istreambuf_iterator<char>(in), {}};
      if (expected != record.text) {
        ADD_FAILURE() << record.file_name << " differs from the record\n"
                      << DiffHint(expected, record.text);
      }
    }
  }
}

}  // namespace
