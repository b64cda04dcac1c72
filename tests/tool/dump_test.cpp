#include "dump.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>

#include "commands.h"
#include "language/limits.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(DumpJsonTest, EveryValueTypeHasItsShape) {
  __packet child(2);
  child << __val(1, 7ul);
  __packet packet(4);
  packet << __val(1, 4294967295ul) << __val(2, -5) << __val(3, SIZE{289, 500})
         << __val(4, RECT{0, -4, 24, 22}) << __val(5, std::wstring(L"caf\u00e9"))
         << __val(6, child.data()) << __val(7, std::string())
         << __val(8, std::string("\x01\xab", 2)) << __val(9, __packet().data());
  const nlohmann::json json = nlohmann::json::parse(PacketJson(packet));
  EXPECT_EQ(json["kind"], 4);
  const auto& values = json["values"];
  ASSERT_EQ(values.size(), 9u);
  EXPECT_EQ(values[0], nlohmann::json::parse(R"({"key":1,"type":"u32","value":4294967295})"));
  EXPECT_EQ(values[1], nlohmann::json::parse(R"({"key":2,"type":"i32","value":-5})"));
  EXPECT_EQ(values[2]["value"], nlohmann::json::parse("[289,500]"));
  EXPECT_EQ(values[3]["value"], nlohmann::json::parse("[0,-4,24,22]"));
  EXPECT_EQ(values[4]["value"], "caf\xc3\xa9");
  EXPECT_EQ(values[5]["type"], "packet");
  EXPECT_EQ(values[5]["value"]["kind"], 2);
  EXPECT_EQ(values[6], nlohmann::json::parse(R"({"key":7,"type":"bytes","value":""})"));
  EXPECT_EQ(values[7]["value"], "01ab");
  // The serialised empty packet is a packet, not bytes, and has no kind.
  EXPECT_EQ(values[8]["type"], "packet");
  EXPECT_TRUE(values[8]["value"]["kind"].is_null());
  EXPECT_TRUE(values[8]["value"]["values"].empty());
}

TEST(DumpJsonTest, TextIsUtf8WithLoneSurrogatesEscaped) {
  EXPECT_EQ(QuoteJson(WideToWtf8(L"a\"b\\\n")), "\"a\\\"b\\\\\\n\"");
  std::wstring lone;
  lone += static_cast<wchar_t>(0xD800);
  lone += L'x';
  lone += static_cast<wchar_t>(0xDFFF);
  EXPECT_EQ(QuoteJson(WideToWtf8(lone)), "\"\\ud800x\\udfff\"");
  std::wstring pair;  // U+1F600 as a surrogate pair, whatever the width of wchar_t
  pair += static_cast<wchar_t>(0xD83D);
  pair += static_cast<wchar_t>(0xDE00);
  EXPECT_EQ(QuoteJson(WideToWtf8(pair)), "\"\xF0\x9F\x98\x80\"");
}

TEST(DumpJsonTest, DeepNestingIsCutToBytes) {
  __packet packet;
  for (int level = 0; level < language::kMaxNestingDepth + 10; ++level) {
    __packet outer;
    outer << __val(1, packet.data());
    packet = outer;
  }
  const nlohmann::json json = nlohmann::json::parse(PacketJson(packet));
  int depth = 0;
  const nlohmann::json* node = &json;
  while ((*node)["values"][0]["type"] == "packet") {
    node = &(*node)["values"][0]["value"];
    ++depth;
  }
  EXPECT_EQ(depth, language::kMaxNestingDepth);
  EXPECT_EQ((*node)["values"][0]["type"], "bytes");
}

TEST(DumpTest, AFailedWriteIsReportedByBothForms) {
  // A stream that takes nothing, like a full disk.
  struct Refusing : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
  } refusing;
  __packet packet(1);
  packet << __val(1, 1u);
  std::ostream json_out(&refusing);
  JsonDump json(json_out);
  json.Add({1, packet});
  EXPECT_FALSE(json.Finish());
  std::ostream text_out(&refusing);
  TextDump text(text_out);
  text.Add({1, packet});
  EXPECT_FALSE(text.Finish());
}

TEST(ToolTest, DumpJsonIsOneDocumentInTheOrderGiven) {
  const Result result = RunTool({"dump", "--json", "107", "5", "--dpi", "120"});
  ASSERT_EQ(result.status, 0) << result.err;
  const nlohmann::json json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json["descriptions"].size(), 2u);
  EXPECT_EQ(json["descriptions"][0]["id"], 107);
  EXPECT_EQ(json["descriptions"][1]["id"], 5);
  EXPECT_TRUE(json["descriptions"][0]["packet"]["kind"].is_null());
  EXPECT_TRUE(json["descriptions"][0]["packet"]["values"].empty());
}

// Named ids are built alone, without the rest of the catalogue; each must be
// the very description the whole build registers under its id.
TEST(ToolTest, NamedIdsAreTheDescriptionsTheWholeBuildRegisters) {
  const Result all = RunTool({"dump", "--json", "--dpi", "144x120"});
  ASSERT_EQ(all.status, 0) << all.err;
  std::vector<std::string> named = {"dump", "--json", "--dpi", "144x120"};
  const nlohmann::json parsed = nlohmann::json::parse(all.out);
  for (const auto& description : parsed["descriptions"]) {
    named.push_back(std::to_string(description["id"].get<unsigned long long>()));
  }
  ASSERT_EQ(named.size(), 4u + 69u);
  const Result alone = RunTool(named);
  ASSERT_EQ(alone.status, 0) << alone.err;
  EXPECT_TRUE(alone.out == all.out);  // megabytes: no diff printed
}

// A resolution given to one in-process run used to stay for the next one.
TEST(ToolTest, ScreenOptionsDoNotCarryIntoTheNextRun) {
  const Result before = RunTool({"dump", "--json", "1"});
  ASSERT_EQ(before.status, 0) << before.err;
  const Result scaled = RunTool({"dump", "--json", "1", "--dpi", "144", "--metrics", "cxframe=9"});
  ASSERT_EQ(scaled.status, 0) << scaled.err;
  EXPECT_NE(scaled.out, before.out);
  EXPECT_EQ(RunTool({"dump", "--json", "1"}).out, before.out);
}

// Every usage error exits 2 (as the README says) naming what was wrong.
TEST(ToolTest, BadArgumentsExitTwoWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string says;
  } const cases[] = {
      {{"dump", "abc"}, "bad element id 'abc'"},
      {{"dump", "-1"}, "bad element id '-1'"},
      {{"dump", "18446744073709551616"}, "bad element id"},
      {{"dump", "--dpi", "0"}, "'0' is outside 1..10000"},
      {{"dump", "--dpi", "96x"}, "bad resolution '96x'"},
      {{"dump", "--dpi", "-96"}, "'-96' is negative"},
      {{"dump", "--dpi"}, "--dpi"},
      {{"dump", "--metrics", "cxframe=4,bogus=1"}, "unknown metric 'bogus'"},
      {{"dump", "--metrics", "cxframe=-100"}, "value '-100' of 'cxframe' is negative"},
      {{"dump", "--language", "/nonexistent/x.lng"}, "bad language file: /nonexistent/x.lng"},
      {{"dump", "--languages-dir", "/nonexistent"}, "languages folder '/nonexistent'"},
      {{"dump", "--bogus"}, "--bogus"},
      {{"frobnicate"}, "unknown command 'frobnicate' (expected dump, check, "},
      {{"--bogus", "dump"}, "option '--bogus' comes before any command"},
      {{}, "Usage: ctrlelem"},  // no arguments: the usage
  };
  for (const Case& c : cases) {
    const Result result = RunTool(c.args);
    EXPECT_EQ(result.status, 2) << c.says;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
  }
}

// Help succeeds everywhere; the screen options are offered where they change
// the answer (the template is the built-in English whatever the screen).
TEST(ToolTest, HelpOnEveryCommandSucceeds) {
  for (const char* command : {"dump", "list", "layout", "export-lng"}) {
    const Result result = RunTool({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_EQ(result.out.find("--dpi") != std::string::npos,
              std::string_view(command) != "export-lng")
        << command;
  }
}

// The screen options belong to every command whose answer the screen
// changes, and to no other: a bad value is refused by the first kind, the
// option itself by the second.
TEST(ToolTest, ScreenOptionsAreTakenExactlyWhereTheScreenMatters) {
  const std::string german = std::string(CTRLELEM_LANGUAGES_DIR) + "/deutsch.lng";
  const std::vector<std::vector<std::string>> laid_out = {
      {"dump", "1"},
      {"check", "1"},
      {"list"},
      {"layout", "1"},
      {"lng", "where", "25"},
      {"lng", "check", german},
      {"lng", "stats", CTRLELEM_LANGUAGES_DIR},
  };
  for (std::vector<std::string> args : laid_out) {
    for (const char* option : {"--dpi", "--metrics"}) {
      std::vector<std::string> bad = args;
      bad.insert(bad.end(), {option, option == std::string("--dpi") ? "0" : "cxframe=-1"});
      const Result result = RunTool(bad);
      EXPECT_EQ(result.status, 2) << args[0] << ' ' << option;
      EXPECT_NE(result.err.find(option == std::string("--dpi") ? "outside 1..10000" : "negative"),
                std::string::npos)
          << result.err;
    }
  }
  const std::vector<std::vector<std::string>> not_laid_out = {
      {"export-lng"}, {"lng", "update", "/nonexistent/x.lng"}, {"schema"}, {"completion", "bash"}};
  for (std::vector<std::string> args : not_laid_out) {
    args.insert(args.end(), {"--dpi", "96"});
    const Result result = RunTool(args);
    EXPECT_EQ(result.status, 2) << args[0];
    EXPECT_NE(result.err.find("--dpi"), std::string::npos) << result.err;
  }
}

TEST(ToolTest, TextDumpNamesKindsAndUnfoldsNesting) {
  __packet caption(3);
  caption << __val(1, 1ul) << __val(2, std::wstring(L"OK")) << __val(3, 0xFF0000ul);
  __packet button(4);
  button << __val(1, 1003ul) << __val(3, 0x90ul) << __val(6, caption.data());
  const std::string text = DumpText(std::vector<Described>{{42, button}, {7, __packet()}});
  EXPECT_NE(text.find("element 42: button (kind 4)"), std::string::npos) << text;
  EXPECT_NE(text.find("3 anchor = 0x90"), std::string::npos) << text;
  EXPECT_NE(text.find("6 state 1 caption: text element (kind 3)"), std::string::npos) << text;
  // A colour shows its channels, so the byte order of 0x00BBGGRR is plain.
  EXPECT_NE(text.find("3 colour = 0x00FF0000 (r 0, g 0, b 255)"), std::string::npos) << text;
  EXPECT_NE(text.find("element 7: (not registered: empty packet)"), std::string::npos) << text;
}

}  // namespace
}  // namespace ctrlelem_tool
