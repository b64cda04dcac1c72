// The layout model over every description: nested boxes are their parent's box
// plus PlaceChild at two sizes and two resolutions; the two-line boundary;
// `layout --json` for every id; and render, lng check and layout giving one
// answer about the same text.
#include "ctrlelem_pack/layout.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common.h"
#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "frame/registry.h"
#include "layout/screen_measurer.h"
#include "lng/string_index.h"
#include "lng/text_sites.h"
#include "lng_test_support.h"
#include "screen/profile.h"

namespace ctrlelem_tool {
namespace {

namespace layout = ctrlelem::layout;
namespace schema = ctrlelem::schema;
using Json = nlohmann::json;
using lng_test::RunTool;

void UseScreen(int dpi) {
  screen::Profile profile;
  profile.dpi_x = dpi;
  profile.dpi_y = dpi;
  ASSERT_FALSE(screen::SetProfile(profile));
  std::ostringstream err;
  BuildDescriptions(err);
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { language::SetLanguageFile(""); }
  void TearDown() override {
    language::SetLanguageFile("");
    EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
  }
};

// The packet a path names: each "key K", "child N" or "layer N" step is the
// value under that number, decoded.
std::optional<__packet> PacketAt(const __packet& root, const std::string& path) {
  std::istringstream steps(path);
  std::string word;
  steps >> word;  // the id
  __packet current = root;
  std::string separator;
  long long number = 0;
  while (steps >> separator >> word >> number) {
    const __val* value = current.find(static_cast<int>(number));
    if (value == nullptr) return std::nullopt;
    std::optional<__packet> next = value->as_packet();
    if (!next) return std::nullopt;
    current = std::move(*next);
  }
  return current;
}

// The nearest enclosing element of a path among the laid-out ones.
const layout::Element* ParentOf(const std::map<std::string, const layout::Element*>& by_path,
                                std::string path) {
  for (std::size_t cut = path.rfind(" > "); cut != std::string::npos; cut = path.rfind(" > ")) {
    path.resize(cut);
    if (const auto found = by_path.find(path); found != by_path.end()) return found->second;
  }
  return nullptr;
}

// A fault in placement below the first level (children placed without their
// parent's origin) moved most of a window and no test saw it: this holds every
// nested box of every description to its parent's box.
TEST_F(LayoutTest, EveryNestedBoxIsItsParentsBoxPlusPlaceChild) {
  std::size_t checked = 0;
  std::size_t nested = 0;
  for (const int dpi : {96, 144}) {
    UseScreen(dpi);
    ScreenMeasurer measurer;
    for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
      const __packet description = ctrlelem::Lookup(id);
      layout::Options options = ScreenLayoutOptions();
      options.all_states = true;
      // The initial size, and one larger (clamped to the window's limits).
      for (const int grow : {0, 57}) {
        const layout::Layout first = layout::LayOut(description, 0, 0, measurer, options);
        const layout::Layout laid_out =
            grow == 0 ? first
                      : layout::LayOut(description, first.width + grow, first.height + grow,
                                       measurer, options);
        std::map<std::string, const layout::Element*> by_path;
        for (const layout::Element& element : laid_out.elements) {
          if (element.part == layout::Part::element) by_path.emplace(element.path, &element);
        }
        for (const layout::Element& element : laid_out.elements) {
          if (element.part != layout::Part::element || element.depth == 0) continue;
          const layout::Element* parent = ParentOf(by_path, element.path);
          ASSERT_NE(parent, nullptr) << element.path;
          // Split views share their box out among panes; pane and strip
          // windows have no rectangle of their own.
          if (parent->kind == schema::kSplitView) continue;
          const std::optional<__packet> packet = PacketAt(description, element.path);
          ASSERT_TRUE(packet) << element.path;
          const schema::KindSchema* kind = schema::SchemaOf(*packet);
          if (kind == nullptr || kind->rect_key == 0) continue;
          const std::optional<RECT> rect = (*packet)[kind->rect_key].rect();
          ASSERT_TRUE(rect) << element.path;
          const layout::Box area = parent->depth == 0 ? laid_out.client : parent->box;
          const ctrlelem::Placement placed =
              ctrlelem::PlaceChild(schema::ReadUnsigned(*packet, kind->anchor_key).value, *rect,
                                   area.width, area.height, ctrlelem::RectFormForKind(kind->kind));
          const layout::Box expected{area.x + placed.left, area.y + placed.top,
                                     placed.right - placed.left, placed.bottom - placed.top};
          ASSERT_EQ(element.box, expected) << element.path << " at " << dpi << " dpi, +" << grow;
          ++checked;
          if (parent->depth > 0) ++nested;
        }
      }
    }
  }
  // Every description at both sizes and resolutions, much of it below the
  // first level.
  EXPECT_GT(checked, 4000u);
  EXPECT_GT(nested, 2000u) << checked;
}

// Where a text starts to wrap and whether two lines fit: one pixel under, at
// and over the height of two lines (a line step and a character height).
TEST_F(LayoutTest, TheTwoLineBoundaryAtTwoResolutions) {
  const std::wstring text = L"one two three four five six seven";
  for (const int dpi : {96, 144}) {
    UseScreen(dpi);
    ScreenMeasurer measurer;
    const layout::Font font{L"DejaVu Sans", 9, 400, false};
    const int two_lines = measurer.LineHeight(font) + measurer.CharacterHeight(font);
    const int width =
        measurer.Widths(font, std::vector<std::wstring_view>{L"one two three four"})[0];
    const struct {
      int delta;
      bool wraps;
      bool fits_height;
    } rows[] = {{-1, false, true}, {0, true, true}, {1, true, true}};
    for (const auto& row : rows) {
      const layout::TextLayout laid_out =
          layout::LayOutText(text, font, 0, width, two_lines + row.delta, measurer);
      EXPECT_EQ(laid_out.wraps, row.wraps) << dpi << " dpi, " << row.delta;
      EXPECT_EQ(laid_out.fits_height, row.fits_height) << dpi << " dpi, " << row.delta;
      EXPECT_EQ(laid_out.lines.size(), row.wraps ? 2u : 1u) << dpi << " dpi, " << row.delta;
      EXPECT_EQ(laid_out.fits_width, row.wraps) << dpi << " dpi, " << row.delta;
    }
    // Word breaks asked for: two lines in a box one pixel too low do not fit.
    const layout::TextLayout low =
        layout::LayOutText(text, font, schema::kFormatWordBreak, width, two_lines - 1, measurer);
    EXPECT_TRUE(low.wraps);
    EXPECT_FALSE(low.fits_height) << dpi;
    EXPECT_EQ(low.needed_height, two_lines) << dpi;
  }
}

// Hints come in two forms that never mix: ordinary ones on buttons and the
// twin-image control, warning balloons on input elements.
bool OrdinaryHint(const Json& hint) {
  return (hint["code"] == schema::kHintCode || hint["code"] == schema::kHintCodeSecond) &&
         hint["style"] == 0 && hint["icon"] == 0 && hint["flags"] == schema::kTooltipSubclass;
}
bool BalloonHint(const Json& hint) {
  return hint["code"] == schema::kHintCodeBalloon && hint["style"] == schema::kTooltipBalloon &&
         hint["icon"] == schema::kTooltipWarning && hint["flags"] == schema::kTooltipTrack;
}

TEST_F(LayoutTest, EveryIdLaysOutAsJson) {
  std::ostringstream err;
  BuildDescriptions(err);
  const std::set<int> ordinary_kinds = {schema::kButton, schema::kTwinImage};
  const std::set<int> balloon_kinds = {schema::kInputField, schema::kCaptionedField,
                                       schema::kEntryBox};
  int ordinary = 0;
  int balloons = 0;
  int second = 0;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    const lng_test::Outcome outcome = RunTool({"layout", std::to_string(id), "--json"});
    ASSERT_EQ(outcome.status, 0) << id << outcome.err;
    const Json document = Json::parse(outcome.out);
    ASSERT_FALSE(document["elements"].empty()) << id;
    EXPECT_EQ(document["elements"][0]["path"], std::to_string(id));
    for (const Json& element : document["elements"]) {
      for (const Json& hint : element.value("hints", Json::array())) {
        const int kind = element["kind"];
        if (ordinary_kinds.contains(kind)) {
          EXPECT_TRUE(OrdinaryHint(hint)) << element["path"] << ": " << hint;
          ++ordinary;
          if (hint["key"] == schema::key::button::kSecondHint) ++second;
        } else {
          EXPECT_TRUE(balloon_kinds.contains(kind) && BalloonHint(hint))
              << element["path"] << ": " << hint;
          ++balloons;
        }
        EXPECT_FALSE(hint["title"].get<std::string>().empty() &&
                     hint["text"].get<std::string>().empty())
            << element["path"];
      }
      if (!element.contains("text")) continue;
      EXPECT_TRUE(element["fits_width"].is_boolean() && element["fits_height"].is_boolean())
          << element["path"];
    }
  }
  // Each form is found, and second hints stand beside first ones.
  EXPECT_GT(balloons, 0);
  EXPECT_GT(second, 0);
  EXPECT_GT(ordinary, second);
}

class LayoutAgreementTest : public lng_test::LngFolder {
 protected:
  void TearDown() override {
    language::SetLanguageFile("");
    EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
    lng_test::LngFolder::TearDown();
  }
};

// The paths `lng check --json` names for overflows of one axis.
std::set<std::string> CheckedOverflows(const Json& report, const std::string& axis) {
  std::set<std::string> paths;
  for (const Json& finding : report["findings"]) {
    if (finding["code"] != "overflow" || finding["axis"] != axis) continue;
    for (const Json& where : finding["where"]) paths.insert(where.get<std::string>());
  }
  return paths;
}

// A sentence of 812 pixels in a box that wraps it: layout and lng check say the
// same about it, and so does render.
TEST_F(LayoutAgreementTest, LayoutAndLngCheckAgreeOnALongGermanSentence) {
  const std::string file =
      Write("de51.lng",
            Template({{{1, 51},
                       "Ihr Konto wurde soeben auf einem anderen Computer angemeldet, und deshalb "
                       "wurden Sie auf diesem Computer hier leider vollstaendig abgemeldet."}}));
  const Json laid_out = Json::parse(RunTool({"layout", "134", "--json", "--language", file}).out);
  const Json report = Json::parse(RunTool({"lng", "check", file, "--json"}).out);
  bool seen = false;
  for (const Json& element : laid_out["elements"]) {
    if (element["path"] != "134 > key 10 > child 1") continue;
    seen = true;
    const std::string at = "134 > key 10 > child 1";  // lng check names elements
    EXPECT_EQ(CheckedOverflows(report, "width").contains(at), !element["fits_width"].get<bool>());
    EXPECT_EQ(CheckedOverflows(report, "height").contains(at), !element["fits_height"].get<bool>());
    EXPECT_FALSE(element["fits_width"].get<bool>() && element["fits_height"].get<bool>())
        << "the sentence is too long for its box";
  }
  EXPECT_TRUE(seen);
}

// At 144 dpi the form of element id 11 keeps its 14-pixel label rows while the
// text grows: the labels are too low, and both layout and lng check say so.
TEST_F(LayoutAgreementTest, LabelsTooLowAtHighResolutionAreHeightOverflows) {
  const std::string file = (dir_ / "english.lng").string();
  ASSERT_EQ(RunTool({"export-lng", "-o", file}).status, 0);
  const Json laid_out = Json::parse(RunTool({"layout", "11", "--json", "--dpi", "144"}).out);
  const Json report = Json::parse(RunTool({"lng", "check", file, "--json", "--dpi", "144"}).out);
  const std::set<std::string> checked = CheckedOverflows(report, "height");
  std::size_t too_low = 0;
  for (const Json& element : laid_out["elements"]) {
    if (!element.contains("text") || element["fits_height"].get<bool>()) continue;
    ++too_low;
    EXPECT_TRUE(
        checked.contains(lng::ElementPathOf(element["path"].get<std::string>() + " > key 2")))
        << element["path"];
  }
  EXPECT_GE(too_low, 3u);
}

// Every text made too long to fit, at every place it is shown: each text the
// layout (which render draws) finds too wide or too tall is one lng check
// reports.
TEST_F(LayoutAgreementTest, LayoutAndLngCheckReportTheSameTexts) {
  std::map<std::pair<int, int>, std::string> long_texts;
  for (const auto& [key, text] : lng::BuiltinStrings()) {
    if (key != lng::kMeasuringFace && !(key.table == 2 && key.id == 20)) {
      long_texts[{key.table, key.id}] =
          "Wwwwww wwwwww wwwwww wwwwww wwwwww wwwwww wwwwww wwwwww wwwwww";
    }
  }
  const std::string file = Write("long.lng", Template(long_texts));
  const Json report = Json::parse(RunTool({"lng", "check", file, "--json"}).out);
  std::set<std::string> checked = CheckedOverflows(report, "width");
  checked.merge(CheckedOverflows(report, "height"));
  std::ostringstream err;
  BuildDescriptions(err);
  std::size_t marked = 0;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    const lng_test::Outcome outcome =
        RunTool({"layout", std::to_string(id), "--json", "--language", file});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const Json document = Json::parse(outcome.out);
    for (const Json& element : document["elements"]) {
      if (!element.contains("text") || element["name"] == "information text") continue;
      // Texts of the descriptions' own (a literal message) show no string.
      if (element["text"].get<std::string>().find("Wwwwww") == std::string::npos) continue;
      if (element["fits_width"].get<bool>() && element["fits_height"].get<bool>()) continue;
      if (element["clip"]["width"] == 0 || element["clip"]["height"] == 0) continue;
      const std::string key = element["name"] == "captioned field" ? " > key 5" : " > key 2";
      EXPECT_TRUE(checked.contains(lng::ElementPathOf(element["path"].get<std::string>() + key)))
          << element["path"];
      ++marked;
    }
  }
  EXPECT_GT(marked, 100u);
}

}  // namespace
}  // namespace ctrlelem_tool
