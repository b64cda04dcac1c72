// The information-bar parser: link markup, runs and their packet layout.
#include "language/infobar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/packet.h"

namespace {

using language::kInfoRunLink;
using language::kInfoRunPlain;

// One run as read back from the packets.
struct InfoRun {
  unsigned type;
  std::wstring text;
  std::wstring target;
  friend bool operator==(const InfoRun&, const InfoRun&) = default;
  friend std::ostream& operator<<(std::ostream& out, const InfoRun& run) {
    std::string text(run.text.begin(), run.text.end());
    std::string target(run.target.begin(), run.target.end());
    return out << "{" << run.type << ", \"" << text << "\", \"" << target << "\"}";
  }
};

InfoRun Plain(std::wstring text) { return {kInfoRunPlain, std::move(text), {}}; }
InfoRun Link(std::wstring target, std::wstring text) {
  return {kInfoRunLink, std::move(text), std::move(target)};
}

// The runs of the text packet under `key` of the target, checking the layout
// on the way: runs under keys 1..n, each with exactly the keys of its type.
std::vector<InfoRun> RunsAt(const __packet& target, int key) {
  std::vector<InfoRun> runs;
  const auto text_packet = target[key].as_packet();
  EXPECT_TRUE(text_packet) << "no text packet under key " << key;
  if (!text_packet) return runs;
  EXPECT_FALSE(text_packet->has_kind());
  int expected_key = 1;
  for (const __val& value : text_packet->values()) {
    EXPECT_EQ(value.key(), expected_key++);
    const auto run_packet = value.as_packet();
    EXPECT_TRUE(run_packet);
    if (!run_packet) continue;
    EXPECT_FALSE(run_packet->has_kind());
    const __packet& run = *run_packet;
    const __val type_value = run[language::kInfoRunKeyType];
    const __val text_value = run[language::kInfoRunKeyText];
    const __val target_value = run[language::kInfoRunKeyTarget];
    const auto type = type_value.u32();
    const std::wstring* text = text_value.wstr();
    const std::wstring* target_text = target_value.wstr();
    EXPECT_TRUE(type && text);
    if (!type || !text) continue;
    EXPECT_EQ(target_text != nullptr, *type == kInfoRunLink);
    EXPECT_EQ(run.size(), *type == kInfoRunLink ? 3u : 2u);
    runs.push_back({*type, *text, target_text ? *target_text : std::wstring()});
  }
  return runs;
}

std::vector<InfoRun> Parse(const std::wstring& text) {
  __packet target;
  ParseInformationBarText(&target, text);
  EXPECT_EQ(target.keys(), std::vector<int>{1});
  return RunsAt(target, 1);
}

TEST(InformationBar, TextWithoutMarkupIsOnePlainRun) {
  EXPECT_EQ(Parse(L"Your camera is off."), std::vector<InfoRun>{Plain(L"Your camera is off.")});
  EXPECT_EQ(Parse(L"a | b [c] d]"), std::vector<InfoRun>{Plain(L"a | b [c] d]")});
  EXPECT_TRUE(Parse(L"").empty());
}

TEST(InformationBar, LinksAnywhereInTheText) {
  EXPECT_EQ(Parse(L"Read [[help://faq|the guide]] first."),
            (std::vector<InfoRun>{Plain(L"Read "), Link(L"help://faq", L"the guide"),
                                  Plain(L" first.")}));
  EXPECT_EQ(Parse(L"[[1|Start]] here"),
            (std::vector<InfoRun>{Link(L"1", L"Start"), Plain(L" here")}));
  EXPECT_EQ(Parse(L"ends in [[2|a link]]"),
            (std::vector<InfoRun>{Plain(L"ends in "), Link(L"2", L"a link")}));
  EXPECT_EQ(Parse(L"[[a|one]][[b|two]]"),
            (std::vector<InfoRun>{Link(L"a", L"one"), Link(L"b", L"two")}));
  EXPECT_EQ(Parse(L"[[only|link]]"), std::vector<InfoRun>{Link(L"only", L"link")});
}

TEST(InformationBar, LinkTextMayHoldBarsAndBrackets) {
  EXPECT_EQ(Parse(L"[[t|a|b [x] ]]"), std::vector<InfoRun>{Link(L"t", L"a|b [x] ")});
  EXPECT_EQ(Parse(L"[[t|x]]]"), (std::vector<InfoRun>{Link(L"t", L"x"), Plain(L"]")}));
  // An unfinished opening before a link stays text; the link is still found.
  EXPECT_EQ(Parse(L"[[[t|x]]"), (std::vector<InfoRun>{Plain(L"["), Link(L"t", L"x")}));
  EXPECT_EQ(Parse(L"[[a [[t|x]]"), (std::vector<InfoRun>{Plain(L"[[a "), Link(L"t", L"x")}));
}

TEST(InformationBar, MalformedMarkupIsKeptAsPlainText) {
  for (const std::wstring text : {L"[[", L"[[a|", L"[[|b]]", L"[[a|]]", L"]]", L"[[a|b", L"[[a]]",
                                  L"x [[a b]] y", L"[[a|b] ]", L"[[a[b|c]]", L"[[a|b [[c|d"}) {
    SCOPED_TRACE(std::string(text.begin(), text.end()));
    EXPECT_EQ(Parse(text), std::vector<InfoRun>{Plain(text)});
  }
}

TEST(InformationBar, EachCallAppendsOneTextPacketAboveTheHighestKey) {
  __packet target;
  ParseInformationBarText(&target, L"first");
  ParseInformationBarText(&target, L"[[x|second]]");
  ParseInformationBarText(&target, L"");
  EXPECT_EQ(target.keys(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(RunsAt(target, 1), std::vector<InfoRun>{Plain(L"first")});
  EXPECT_EQ(RunsAt(target, 2), std::vector<InfoRun>{Link(L"x", L"second")});
  EXPECT_TRUE(RunsAt(target, 3).empty());

  __packet with_kind(12);
  with_kind << __val(7, 1u) << __val(3, 2u);
  ParseInformationBarText(&with_kind, L"t");
  EXPECT_EQ(with_kind.keys(), (std::vector<int>{7, 3, 8}));
  EXPECT_EQ(with_kind.kind(), 12);
}

TEST(InformationBar, NullTargetAndFullKeyRangeAddNothing) {
  ParseInformationBarText(nullptr, L"ignored");

  __packet full;
  full << __val(2147483647, 1u);
  const __packet before = full;
  ParseInformationBarText(&full, L"no room");
  EXPECT_EQ(full, before);
}

TEST(InformationBar, LongUnfinishedMarkupStaysPlain) {
  std::wstring text;
  for (int i = 0; i < 20000; ++i) text += L"[[a|b";
  EXPECT_EQ(Parse(text), std::vector<InfoRun>{Plain(text)});
}

}  // namespace
