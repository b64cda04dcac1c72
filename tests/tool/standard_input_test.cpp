// Language files read from standard input ("-"), and the screen options of
// the lng commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <istream>
#include <nlohmann/json.hpp>
#include <streambuf>

#include "language/limits.h"
#include "lng_test_support.h"

namespace ctrlelem_tool::lng_test {
namespace {

using Json = nlohmann::json;

// A translation whose pattern 762 takes a number where English takes a name.
constexpr const char* kBrokenPattern =
    "[language]\nname = Essai\ncode = fr\n\n[table 1]\n762 = Réessayer avec %d\n";

TEST(StandardInputTest, LngCheckReadsStandardInputAndNamesItDash) {
  const Outcome text = RunTool({"lng", "check", "-"}, kBrokenPattern);
  EXPECT_EQ(text.status, 1);
  EXPECT_NE(text.out.find("line 6: conversions %d where English has %s"), std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("\n-: table 1 1 of "), std::string::npos) << text.out;
  // The library's warning names standard input, not the copy the tool keeps.
  EXPECT_NE(text.err.find("warning: -:6: string 762 of table 1"), std::string::npos) << text.err;
  EXPECT_EQ(text.err.find("standard-input"), std::string::npos) << text.err;

  const Json report = Json::parse(RunTool({"lng", "check", "-", "--json"}, kBrokenPattern).out);
  EXPECT_EQ(report["file"], "-");
}

TEST(StandardInputTest, TheCurrentLanguageMayBeStandardInput) {
  const Outcome dump = RunTool({"dump", "118", "--language", "-"}, kBrokenPattern);
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.err.find("warning: -:6: string 762"), std::string::npos) << dump.err;
  // The English pattern, formatted: nothing of the broken one shows.
  EXPECT_EQ(dump.out.find("Réessayer"), std::string::npos);

  const Outcome bad = RunTool({"dump", "1", "--language", "-"}, "[table 1]\nno equals sign\n");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("bad language file: -:2: line without '='"), std::string::npos) << bad.err;
}

// Standard input of `size` blank lines, made as they are read, never held
// whole.
class BlankLines : public std::streambuf {
 public:
  explicit BlankLines(std::size_t size) : left_(size) { line_.fill('\n'); }

 protected:
  int_type underflow() override {
    if (left_ == 0) return traits_type::eof();
    const std::size_t n = std::min(left_, line_.size());
    left_ -= n;
    setg(line_.data(), line_.data(), line_.data() + n);
    return traits_type::to_int_type(line_[0]);
  }

 private:
  std::size_t left_;
  std::array<char, 4096> line_;
};

TEST(StandardInputTest, StandardInputLongerThanALanguageFileIsRefusedUnkept) {
  BlankLines lines(language::kMaxLngFileSize + 1);
  std::istream in(&lines);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(ctrlelem_tool::Run({"lng", "check", "-"}, in, out, err), 2);
  EXPECT_NE(err.str().find("standard input is larger than a language file may be (64 MiB)"),
            std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST(StandardInputTest, LngUpdateOfStandardInputPrintsTheUpdatedFile) {
  const std::string file = "[language]\r\nname = Essai\r\n[table 1]\r\n25 = Annuler\r\n";
  const Outcome updated = RunTool({"lng", "update", "-"}, file);
  EXPECT_EQ(updated.status, 0) << updated.err;
  // The translator's lines come back byte for byte, CRLF included, then the
  // untranslated block.
  EXPECT_TRUE(updated.out.starts_with(file)) << updated.out.substr(0, 200);
  EXPECT_NE(updated.out.find("untranslated"), std::string::npos);
}

TEST(StandardInputTest, LngCommandsTakeTheScreenOptionsTheirAnswerDependsOn) {
  // `where` lays the descriptions out, so the resolution and metrics are its.
  const Outcome where = RunTool({"lng", "where", "25", "--dpi", "144", "--metrics", "cxframe=6"});
  EXPECT_EQ(where.status, 0) << where.err;
  EXPECT_NE(where.out.find("1 > key 10 > child 30"), std::string::npos);
  const Outcome stats = RunTool({"lng", "stats", CTRLELEM_LANGUAGES_DIR, "--metrics", "cxframe=6"});
  EXPECT_EQ(stats.status, 1) << stats.err;  // deutsch.lng's overflows are errors
  EXPECT_NE(stats.out.find("Deutsch\tdeutsch.lng\t100%\t100%"), std::string::npos) << stats.out;
  // A bad value is a usage error there as everywhere; `update` lays nothing
  // out and takes none.
  EXPECT_EQ(RunTool({"lng", "where", "25", "--dpi", "0"}).status, 2);
  const Outcome update = RunTool({"lng", "update", "x.lng", "--dpi", "96"});
  EXPECT_EQ(update.status, 2);
  EXPECT_NE(update.err.find("Run 'ctrlelem lng update --help'"), std::string::npos) << update.err;
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test
