// `ctrlelem lng check` and `lng stats`: one language file with one fault of
// each kind, the clean template, the German file, overflow by resolution.
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "lng_test_support.h"

namespace ctrlelem_tool::lng_test {
namespace {

using Json = nlohmann::json;
using Found = std::tuple<std::string, int, int>;  // code, table, id

std::set<Found> Codes(const Json& report) {
  std::set<Found> found;
  for (const Json& finding : report["findings"]) {
    found.insert({finding["code"].get<std::string>(), finding["table"].get<int>(),
                  finding["id"].get<int>()});
  }
  return found;
}

const Json* FindingOf(const Json& report, const std::string& code, int id) {
  for (const Json& finding : report["findings"]) {
    if (finding["code"] == code && finding["id"] == id) return &finding;
  }
  return nullptr;
}

// The built-in English is judged like any translation. These of its strings
// still overflow their boxes at 96 dpi, whatever their text: boxes sized from
// the text measured in a smaller font than it is drawn in (445, 820) or less a
// margin (824), and a caption of a 20-pixel button (413). Every other English
// text fits.
const std::set<Found> kEnglishOverflows96 = {
    {"overflow", 1, 413}, {"overflow", 1, 445}, {"overflow", 1, 820}, {"overflow", 1, 824}};

std::set<Found> WithoutEnglishOverflows(std::set<Found> found) {
  for (const Found& english : kEnglishOverflows96) found.erase(english);
  return found;
}

using LngCheckTest = LngFolder;

TEST_F(LngCheckTest, TheExportedTemplateOverflowsOnlyWhereEnglishIsKnownToAndHasNoOtherFinding) {
  const std::string file = (dir_ / "english.lng").string();
  ASSERT_EQ(RunTool({"export-lng", "-o", file}).status, 0);
  const Outcome at96 = RunTool({"lng", "check", file, "--json", "--strict", "--dpi", "96"});
  const Json report = Json::parse(at96.out);
  EXPECT_EQ(Codes(report), kEnglishOverflows96);
  EXPECT_EQ(report["coverage"]["1"]["translated"], report["coverage"]["1"]["total"]);
  EXPECT_EQ(report["coverage"]["2"]["translated"], report["coverage"]["2"]["total"]);
  // Every finding at 144 dpi is a text that grew out of its box.
  const Json at144 = Json::parse(RunTool({"lng", "check", file, "--json", "--dpi", "144"}).out);
  for (const Json& finding : at144["findings"]) {
    EXPECT_EQ(finding["code"], "overflow");
    EXPECT_TRUE(finding["axis"] == "width" || finding["axis"] == "height") << finding;
  }
}

// The template says above each entry where its text shows, marks the two
// font-face entries as no text to translate, and takes no option that would
// change nothing.
TEST_F(LngCheckTest, TheTemplateSaysWhereEachStringShows) {
  const Outcome exported = RunTool({"export-lng"});
  ASSERT_EQ(exported.status, 0);
  const std::string& text = exported.out;
  EXPECT_NE(text.find("; in window 1 \"Wembrix Video Chat\": 1 > key 10 > child 30\n25 = Cancel\n"),
            std::string::npos);
  const std::string face = "; a font face, not a text to translate";
  EXPECT_NE(text.find(face), text.rfind(face));  // once in each table
  for (const char* option : {"--dpi", "--language", "--metrics", "--languages-dir"}) {
    const Outcome refused = RunTool({"export-lng", option, "x"});
    EXPECT_EQ(refused.status, 2) << option;
  }
}

TEST_F(LngCheckTest, OneFaultOfEachKindIsFoundWithItsCodeIdAndPlace) {
  const std::string file =
      Write("faults.lng", Template({{{1, 5}, ""},                    // missing
                                    {{1, 762}, "Erneut mit %d"},     // format: %d for %s
                                    {{1, 1513}, "%s 100% ok"},       // format: stray %
                                    {{1, 1514}, "%.2f aendern"},     // format: floating point
                                    {{1, 300}, "Datei"},             // accelerator lost
                                    {{1, 301}, "&Sitzung beenden"},  // accelerator shared
                                    {{1, 303}, "&Schliessen"},       //   with this one
                                    {{1, 28}, "\" Name:\""},         // blank
                                    {{1, 29}, "Passwort bitte hier eingeben:"}},  // overflow
                                   "[table 2]\n99999 = Uebrig\n"));               // unknown
  const Outcome outcome = RunTool({"lng", "check", file, "--json", "--dpi", "96"});
  EXPECT_EQ(outcome.status, 1);
  const Json report = Json::parse(outcome.out);
  EXPECT_EQ(WithoutEnglishOverflows(Codes(report)), (std::set<Found>{{"missing", 1, 5},
                                                                     {"unknown", 2, 99999},
                                                                     {"format", 1, 762},
                                                                     {"format", 1, 1513},
                                                                     {"format", 1, 1514},
                                                                     {"accelerator", 1, 300},
                                                                     {"accelerator", 1, 303},
                                                                     {"blank", 1, 28},
                                                                     {"overflow", 1, 29}}));
  EXPECT_EQ(report["coverage"]["1"]["translated"], report["coverage"]["1"]["total"].get<int>() - 1);
  EXPECT_EQ(FindingOf(report, "overflow", 29)->at("where"),
            Json::array({"1 > key 10 > child 34", "125 > key 10 > child 2"}));
  EXPECT_EQ(FindingOf(report, "accelerator", 303)->at("where").size(), 2u);

  // The human form groups by code and ends with the summary.
  const Outcome human = RunTool({"lng", "check", file, "--dpi", "96"});
  EXPECT_EQ(human.status, 1);
  EXPECT_NE(human.out.find("unknown:\n  error: string 99999 of table 2: line "), std::string::npos);
  EXPECT_NE(human.out.find("errors, 4 warnings\n"), std::string::npos) << human.out;
}

TEST_F(LngCheckTest, WarningsFailOnlyWhenStrictAndBrokenFilesExitTwo) {
  const std::string file = Write("missing.lng", Template({{{1, 5}, ""}}));
  // A missing string is a warning: it adds no error to the English ones.
  const Json lenient = Json::parse(RunTool({"lng", "check", file, "--json", "--dpi", "96"}).out);
  for (const Json& finding : lenient["findings"]) {
    if (finding["code"] != "overflow") {
      EXPECT_EQ(finding["code"], "missing") << finding;
    }
  }
  EXPECT_EQ(RunTool({"lng", "check", file, "--strict"}).status, 1);

  const std::string broken = Write("broken.lng", "[language]\nname = X\n[table 1]\n5 = \"open\n");
  const Outcome outcome = RunTool({"lng", "check", broken});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find(broken + ":4: unterminated quote"), std::string::npos) << outcome.err;
  EXPECT_EQ(RunTool({"lng", "check", (dir_ / "absent.lng").string()}).status, 2);
}

// Boxes keep their pixels while text grows with the resolution: "Abbrechen"
// fits the sign-in form's 70-pixel button at 96 dpi and not at 144.
TEST_F(LngCheckTest, OverflowFollowsTheResolution) {
  const std::string file = Write("cancel.lng", Template({{{1, 25}, "Abbrechen"}}));
  const Json at96 = Json::parse(RunTool({"lng", "check", file, "--json", "--dpi", "96"}).out);
  EXPECT_EQ(WithoutEnglishOverflows(Codes(at96)), std::set<Found>{});
  const Json at144 = Json::parse(RunTool({"lng", "check", file, "--json", "--dpi", "144"}).out);
  EXPECT_TRUE(Codes(at144).contains({"overflow", 1, 25}));
}

// The German file is complete; at 96 dpi all it is told is where its texts
// do not fit.
TEST(LngGermanTest, TheGermanFileIsCompleteAndHasNoFindingButOverflows) {
  const std::string file = std::string(CTRLELEM_LANGUAGES_DIR) + "/deutsch.lng";
  const Json report =
      Json::parse(RunTool({"lng", "check", file, "--json", "--strict", "--dpi", "96"}).out);
  EXPECT_EQ(report["coverage"]["1"]["translated"], report["coverage"]["1"]["total"]);
  EXPECT_EQ(report["coverage"]["2"]["translated"], report["coverage"]["2"]["total"]);
  for (const Json& finding : report["findings"]) EXPECT_EQ(finding["code"], "overflow") << finding;
}

TEST_F(LngCheckTest, StatsHasOneRowPerFile) {
  Write("a.lng", Template({{{1, 5}, ""}, {{2, 20}, ""}}, "[table 1]\n99999 = x\n"));
  Write("b.lng", "[language]\nname = Leer\n");
  Write("notes.txt", "not a language file");
  const Outcome outcome = RunTool({"lng", "stats", dir_.string(), "--dpi", "96"});
  EXPECT_EQ(outcome.status, 1);  // a.lng has an error
  EXPECT_EQ(outcome.out,
            "name\tfile\ttable 1\ttable 2\terrors\twarnings\n"
            "English\ta.lng\t99%\t97%\t5\t2\n"  // one error and English's four overflows
            "Leer\tb.lng\t0%\t0%\t4\t325\n");
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test
