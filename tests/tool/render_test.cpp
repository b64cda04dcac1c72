// The renderer as a host sees it: what it draws must stand where PlaceChild
// puts it, the picture must be the window's size, text must be as wide as the
// library measured it, and the overflow report must name exactly the texts
// that do not fit.
#if !defined(_WIN32)  // the Windows build has no renderer

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "common.h"
#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "frame/registry.h"
#include "language/strings.h"
#include "render/output.h"
#include "render/renderer.h"
#include "render/text_layout.h"
#include "screen/profile.h"
#include "screen/screen.h"
#include "support/packet_access.h"

namespace ctrlelem_tool::render {
namespace {

namespace fs = std::filesystem;
namespace schema = ctrlelem::schema;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the tool and puts the language and screen back as they were.
Outcome Tool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  language::SetLanguageFile("");
  EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
  return {status, out.str(), err.str()};
}

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Other tests of the program may leave a language or resolution behind.
    language::SetLanguageFile("");
    EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
    std::ostringstream err;
    BuildDescriptions(err);
    dir_ = fs::temp_directory_path() /
           ("ctrlelem-render-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

// The boxes of the SVG's element groups by path.
std::map<std::string, Box> SvgBoxes(const std::string& svg) {
  static const std::regex kGroup(
      "<g data-element-path=\"([^\"]*)\"[^>]*>\\n<rect class=\"box\" x=\"(-?\\d+)\" "
      "y=\"(-?\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\"");
  std::map<std::string, Box> boxes;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), kGroup); it != std::sregex_iterator();
       ++it) {
    const std::string path = std::regex_replace((*it)[1].str(), std::regex("&gt;"), ">");
    boxes[path] = {std::stoi((*it)[2]), std::stoi((*it)[3]), std::stoi((*it)[4]),
                   std::stoi((*it)[5])};
  }
  return boxes;
}

// The main window's children where PlaceChild puts them at the given size.
std::map<std::string, Box> PlacedChildren(const __packet& window, int width, int height) {
  std::map<std::string, Box> placed;
  const auto container = schema::ReadContainer(window, 10);
  schema::VisitChildren(container.value, [&](const schema::ChildEntry& child) {
    const schema::KindSchema* kind = schema::SchemaOf(*child.packet);
    const RECT rect = test_support::Rect(*child.packet, kind->rect_key);
    const ctrlelem::Placement p =
        ctrlelem::PlaceChild(test_support::U32(*child.packet, kind->anchor_key), rect, width,
                             height, ctrlelem::RectFormForKind(kind->kind));
    placed["1 > key 10 > child " + std::to_string(child.key)] = {
        p.left, p.top, std::max(p.right - p.left, 0), std::max(p.bottom - p.top, 0)};
  });
  return placed;
}

TEST_F(RenderTest, EveryChildStandsWherePlaceChildPutsItAtTwoSizes) {
  const __packet window = ctrlelem::Lookup(1);
  const SIZE initial = test_support::Size(window, 8);
  // The initial size, and a larger one inside the window's limits.
  for (const auto& [width, height] : {std::pair{int(initial.cx), int(initial.cy)}, {420, 800}}) {
    RenderOptions options;
    options.width = width;
    options.height = height;
    const std::map<std::string, Box> boxes = SvgBoxes(RenderSvg(1, window, options));
    const std::map<std::string, Box> placed = PlacedChildren(window, width, height);
    ASSERT_EQ(placed.size(), 51u);
    for (const auto& [path, box] : placed) {
      ASSERT_TRUE(boxes.count(path)) << path;
      const Box& drawn = boxes.at(path);
      EXPECT_EQ(std::tie(drawn.x, drawn.y, drawn.width, drawn.height),
                std::tie(box.x, box.y, box.width, box.height))
          << path << " at " << width << "x" << height;
    }
  }
}

TEST_F(RenderTest, TheSvgHoldsTheOutlinesOfEveryText) {
  // Far from the picture's origin as well as near it (the menus' popups).
  for (const std::uint32_t id : {7u, 114u}) {
    const std::string svg = RenderSvg(id, ctrlelem::Lookup(id), {});
    EXPECT_NE(svg.find("<path "), std::string::npos) << id;
    EXPECT_EQ(svg.find(" d=\"\""), std::string::npos) << id << ": a text without glyphs";
  }
}

TEST_F(RenderTest, ARightAnchoredElementMovesByTheSizeDifference) {
  const __packet window = ctrlelem::Lookup(1);
  // Child 3 is the top-right frame piece (right, top).
  const std::string path = "1 > key 10 > child 3";
  RenderOptions narrow;
  narrow.width = 300;
  narrow.height = 600;
  RenderOptions wide = narrow;
  wide.width = 437;
  const Box a = SvgBoxes(RenderSvg(1, window, narrow)).at(path);
  const Box b = SvgBoxes(RenderSvg(1, window, wide)).at(path);
  EXPECT_EQ(b.x - a.x, 137);
  EXPECT_EQ(std::tie(a.y, a.width, a.height), std::tie(b.y, b.width, b.height));
}

TEST_F(RenderTest, SizesAreClampedToTheWindowsLimits) {
  const __packet window = ctrlelem::Lookup(1);
  const SIZE min = test_support::Size(window, 6);
  const SIZE max = test_support::Size(window, 7);
  for (const auto& [asked, expected] :
       std::vector<std::pair<SIZE, SIZE>>{{{1, 1}, min}, {{9999, 9999}, max}}) {
    RenderOptions options;
    options.width = asked.cx;
    options.height = asked.cy;
    const Rendering rendering = Measure(1, window, options);
    EXPECT_EQ(rendering.width, expected.cx);
    EXPECT_EQ(rendering.height, expected.cy);
  }
}

TEST_F(RenderTest, EachStateDrawsItsOwnStateGroup) {
  // Button 1003 (child 17 of the main window) has one set: layers under keys
  // 8, 11, 14 and 17; "checked" falls back to the first set's first group.
  const __packet window = ctrlelem::Lookup(1);
  const std::string button = "1 > key 10 > child 17";
  const struct {
    ButtonState state;
    int layers_key;
  } cases[] = {{ButtonState::normal, 8},
               {ButtonState::hover, 11},
               {ButtonState::pressed, 14},
               {ButtonState::disabled, 17},
               {ButtonState::checked, 8}};
  for (const auto& c : cases) {
    RenderOptions options;
    options.state = c.state;
    std::set<int> drawn_keys;
    for (const auto& [path, box] : SvgBoxes(RenderSvg(1, window, options))) {
      const std::string prefix = button + " > key ";
      if (path.rfind(prefix, 0) == 0 && path.find(" > layer ") != std::string::npos) {
        drawn_keys.insert(std::stoi(path.substr(prefix.size())));
      }
    }
    EXPECT_EQ(drawn_keys, std::set<int>{c.layers_key}) << static_cast<int>(c.state);
  }
}

TEST_F(RenderTest, ThePngIsTheWindowAndOnlyElementsDrawOnItsFace) {
  // A dialog of the second family: an icon, a message, a check box, two buttons.
  const std::uint32_t id = 114;
  const __packet dialog = ctrlelem::Lookup(id);
  Rendering rendering;
  ASSERT_EQ(RenderToFile(id, dialog, {}, Format::png, File("d.png"), &rendering).message, "");
  cairo_surface_t* png = cairo_image_surface_create_from_png(File("d.png").c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  const SIZE size = test_support::Size(dialog, 8);
  const int width = cairo_image_surface_get_width(png);
  const int height = cairo_image_surface_get_height(png);
  EXPECT_EQ(width, size.cx);
  EXPECT_EQ(height, size.cy);
  const auto pixel = [&](int x, int y) {
    const auto* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  };
  const std::uint32_t face = pixel(0, 0);
  std::vector<Box> elements;
  Box button{};
  for (const DrawnElement& element : rendering.elements) {
    if (element.depth == 0) continue;
    elements.push_back(element.info.box);
    if (element.info.kind == schema::kButton && element.info.id == 972) button = element.info.box;
  }
  ASSERT_GT(button.width, 0);
  const auto inside = [](const Box& box, int x, int y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
  };
  int differing_in_button = 0;
  int differing_outside = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool differs = pixel(x, y) != face;
      if (inside(button, x, y)) differing_in_button += differs;
      const bool in_any = std::any_of(elements.begin(), elements.end(),
                                      [&](const Box& box) { return inside(box, x, y); });
      if (!in_any) differing_outside += differs;
    }
  }
  cairo_surface_destroy(png);
  EXPECT_GT(differing_in_button, button.width * button.height / 2);
  EXPECT_EQ(differing_outside, 0);
}

TEST_F(RenderTest, TextIsDrawnExactlyAsWideAsTheLibraryMeasuresIt) {
  const struct {
    const wchar_t* face;
    int points;
    int weight;
    int dpi;
    const wchar_t* text;
  } cases[] = {
      {L"DejaVu Sans", 9, 400, 96, L"Don't ask me again"},
      {L"DejaVu Sans", 10, 700, 96, L"Send"},
      {L"DejaVu Sans", 8, 400, 144, L"Straße, Übersicht & Größe"},
      {L"no such face", 9, 400, 120, L"Falls back to sans-serif"},
  };
  for (const auto& c : cases) {
    const screen::FontRequest request{c.face, c.points, c.weight};
    screen::Profile profile;
    profile.dpi_x = profile.dpi_y = c.dpi;
    EXPECT_FALSE(screen::SetProfile(profile));
    const std::wstring_view text = c.text;
    const int measured = screen::Current().TextWidths(request, {&text, 1})[0];
    EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
    EXPECT_GT(measured, 0);
    EXPECT_EQ(ShapeLine(OpenFont(request, c.dpi), text).width, measured)
        << c.points << " pt at " << c.dpi;
  }
}

TEST_F(RenderTest, TheOverflowReportNamesTheTextALanguageFileMadeTooLong) {
  // String 489 is the caption of dialog 114's button 972 (child 4).
  const std::string lng = File("long.lng");
  std::ofstream(lng) << "[table 1]\n489 = A caption far too long for its button\n";
  const Outcome before = Tool({"render", "114", "-o", File("a.png"), "--mark-overflow"});
  const Outcome after =
      Tool({"render", "114", "-o", File("b.png"), "--mark-overflow", "--language", lng});
  ASSERT_EQ(before.status, 0) << before.err;
  ASSERT_EQ(after.status, 0) << after.err;
  const auto lines = [](const std::string& text) {
    std::set<std::string> set;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) set.insert(line);
    return set;
  };
  std::set<std::string> added = lines(after.out);
  for (const std::string& line : lines(before.out)) EXPECT_EQ(added.erase(line), 1u) << line;
  ASSERT_EQ(added.size(), 1u) << after.out;
  EXPECT_EQ(added.begin()->rfind(
                "114: 114 > key 10 > child 4: \"A caption far too long for its button\" needs ", 0),
            0u)
      << *added.begin();
}

TEST_F(RenderTest, EveryDescriptionRendersInEveryFormatAtTwoResolutions) {
  for (const char* dpi : {"96", "144"}) {
    screen::Profile profile;
    ASSERT_FALSE(screen::ParseDpi(dpi, profile));
    EXPECT_FALSE(screen::SetProfile(profile));
    std::ostringstream err;
    BuildDescriptions(err);
    for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
      const __packet description = ctrlelem::Lookup(id);
      for (const auto& [format, name] :
           {std::pair{Format::png, "x.png"}, {Format::svg, "x.svg"}, {Format::pdf, "x.pdf"}}) {
        ASSERT_EQ(RenderToFile(id, description, {}, format, File(name)).message, "") << id;
        EXPECT_GT(fs::file_size(File(name)), 100u) << id << ' ' << name << " at " << dpi;
      }
    }
  }
  EXPECT_FALSE(screen::SetProfile(screen::Profile{}));
}

TEST_F(RenderTest, BadRequestsAreErrorsAndWriteNothing) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"render", "107", "-o", File("x.png")}, 2, "107 is not a registered element id"},
      {{"render", "1", "-o", File("x.bmp")}, 2, "cannot tell the format"},
      {{"render", "1", "-o", File("x.png"), "--size", "0x10"}, 2, "bad size '0x10'"},
      {{"render", "1", "-o", File("x.png"), "--state", "glowing"}, 2, "bad state 'glowing'"},
      {{"render", "1", "-o", File("no/such/dir/x.png")}, 1, "cannot write"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Tool(c.args);
    EXPECT_EQ(outcome.status, c.status) << c.args[1];
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(File("x.png")));
  }
}

}  // namespace
}  // namespace ctrlelem_tool::render

#endif  // !_WIN32
