// The layout model's rules on small hand-made descriptions, with a measurer of
// fixed pitch so every number can be worked out by hand: what hides what, what
// --hide leaves out, when a text wraps, and what an ellipsis and a long word do.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ctrlelem_pack/layout.h"
#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/constants.h"
#include "schema/writers.h"

namespace ctrlelem::layout {
namespace {

namespace schema = ctrlelem::schema;

// Every character 10 pixels wide, lines 15 apart, characters 12 high.
class Pitch10 final : public Measurer {
 public:
  std::vector<int> Widths(const Font&, std::span<const std::wstring_view> texts) override {
    std::vector<int> widths;
    for (const std::wstring_view text : texts) widths.push_back(10 * static_cast<int>(text.size()));
    return widths;
  }
  int LineHeight(const Font&) override { return 15; }
  int CharacterHeight(const Font&) override { return 12; }
};

__packet Label(const wchar_t* text, RECT rect, std::uint32_t format = 0) {
  return schema::Text({.text = text, .format = format, .anchor = kAnchorNone, .rect = rect});
}

// A 200 by 100 window with the given children.
__packet WindowOf(std::initializer_list<__packet> children) {
  schema::Children container;
  for (const __packet& child : children) container.Add(child);
  return schema::WindowDescription(
      {.id = 9, .caption = L"w", .style = 4u, .initial_size = SIZE{200, 100}}, container);
}

const Element& At(const Layout& layout, const std::string& path) {
  for (const Element& element : layout.elements) {
    if (element.path == path) return element;
  }
  ADD_FAILURE() << "no element at " << path;
  static const Element none;
  return none;
}

TEST(LayoutRules, AnOpaqueElementDrawnLaterHidesWhatItCoversAndAnOutlineHidesNothing) {
  Pitch10 measurer;
  const __packet picture = schema::Image(5, 300, kAnchorTopLeft, {0, 0, 200, 50});
  const __packet label = Label(L"hi", {10, 10, 60, 26});
  const struct {
    __packet window;
    bool label_visible;
  } rows[] = {
      {WindowOf({label, picture}), false},                     // the picture comes after: covered
      {WindowOf({picture, label}), true},                      // the label comes after: on top
      {WindowOf({label, Label(L"", {0, 0, 200, 50})}), true},  // a transparent text
  };
  for (const auto& row : rows) {
    const Layout laid_out = LayOut(row.window, 0, 0, measurer);
    bool found = false;
    for (const Element& element : laid_out.elements) {
      if (element.text && element.text->text == L"hi") {
        EXPECT_EQ(element.visible, row.label_visible);
        found = true;
      }
    }
    EXPECT_TRUE(found);
  }
}

// A box may reach past its window's edge (a dialog's message box wider than
// the dialog): the lines are cut there, so a text that fits its box does not
// fit what shows of it.
TEST(LayoutRules, ATextFitsOnlyInsideTheWindow) {
  Pitch10 measurer;
  const struct {
    RECT rect;
    bool fits;
    int available;
  } rows[] = {
      {{40, 10, 240, 26}, true, 0},      // past the edge, but the line ends at 190
      {{100, 10, 300, 26}, false, 100},  // the line runs to 250 in a window 200 wide
      {{-20, 10, 180, 26}, false, 180},  // the line starts left of the window
  };
  for (const auto& row : rows) {
    const __packet window = WindowOf({Label(L"aaaaaaaaaaaaaaa", row.rect)});  // 150 wide
    const Layout laid_out = LayOut(window, 0, 0, measurer);
    const Element& text = At(laid_out, "9 > key 10 > child 1");
    EXPECT_EQ(text.text->layout.fits_width, row.fits) << row.rect.left << " " << row.rect.right;
    const std::vector<Overflow> overflows = FindOverflows(laid_out);
    ASSERT_EQ(overflows.size(), row.fits ? 0u : 1u);
    if (!row.fits) {
      EXPECT_EQ(overflows[0].available, row.available);
    }
  }
}

// Foreign rectangles reach the ends of the int range: edges stop there.
TEST(LayoutRules, BoxEdgesSaturate) {
  EXPECT_EQ((Box{INT_MAX - 1, INT_MIN + 1, 100, -100}.right()), INT_MAX);
  EXPECT_EQ((Box{INT_MAX - 1, INT_MIN + 1, 100, -100}.bottom()), INT_MIN);
  EXPECT_TRUE(Intersect(Box{INT_MAX - 5, 0, INT_MAX, 10}, Box{0, 0, 10, 10}).empty());
}

TEST(LayoutRules, HideLeavesOutAnElementAndEverythingInIt) {
  Pitch10 measurer;
  schema::Children pane_children;
  pane_children.Add(Label(L"inner", {0, 0, 100, 20}));
  const __packet pane = schema::WindowDescription(
      {.id = 5001, .caption = L"", .style = 20u, .initial_size = SIZE{100, 40}}, pane_children,
      schema::kPaneWindow);
  const __packet window = WindowOf({pane, Label(L"outer", {0, 50, 100, 70})});
  Options options;
  options.hide = {"9 > key 10 > child 1"};
  const Layout laid_out = LayOut(window, 0, 0, measurer, options);
  for (const Element& element : laid_out.elements) {
    EXPECT_EQ(element.path.rfind("9 > key 10 > child 1", 0), std::string::npos) << element.path;
  }
  EXPECT_EQ(At(laid_out, "9 > key 10 > child 2").text->text, L"outer");
}

// Hints as the host makes tooltips of them: a button's first and second hint
// in key order, wherever the button stores its first; the twin-image control's;
// an input field's balloon with its Win32 constants; an input field's empty
// record (the bytes of an empty packet) and a hint without title or text give
// none.
TEST(LayoutRules, HintsAreTheElementsHintRecordsWithATitleOrText) {
  Pitch10 measurer;
  schema::Button with_two;
  with_two.id = 1003;
  with_two.rect = {0, 0, 20, 20};
  with_two.hint = schema::Hint(schema::OrdinaryHint(L"Mute"));
  with_two.second_hint = schema::Hint(schema::OrdinaryHint(L"Unmute", schema::kHintCodeSecond));
  with_two.states = schema::SameInEveryState(schema::LayersOnly({}));
  __packet appended =
      schema::StateGroupButton({.id = 1004, .rect = {20, 0, 40, 20}, .states = with_two.states});
  schema::AppendButtonHint(appended, schema::Hint(schema::OrdinaryHint(L"Later")));
  schema::HintRecord untitled = schema::OrdinaryHint(L"");
  untitled.title.clear();
  const __packet window = WindowOf({
      schema::StateGroupButton(with_two),
      appended,
      schema::TwinImage(5006, kAnchorNone, {40, 0, 90, 20}, 594, 595,
                        schema::Hint(schema::OrdinaryHint(L"Volume"))),
      schema::InputField(5, 0, kAnchorNone, {0, 30, 100, 50},
                         schema::HintWithoutKind(schema::BalloonHint()).data()),
      schema::InputField(6, 0, kAnchorNone, {0, 60, 100, 80}, __packet().data()),
      schema::TwinImage(5007, kAnchorNone, {100, 0, 150, 20}, 594, 595, schema::Hint(untitled)),
  });
  const Layout laid_out = LayOut(window, 0, 0, measurer);
  const auto keys_and_texts = [&](const std::string& path) {
    std::vector<std::pair<int, std::wstring>> found;
    for (const Hint& hint : At(laid_out, path).hints) found.emplace_back(hint.key, hint.text);
    return found;
  };
  using Hints = std::vector<std::pair<int, std::wstring>>;
  EXPECT_EQ(keys_and_texts("9 > key 10 > child 1"), (Hints{{5, L"Mute"}, {18, L"Unmute"}}));
  EXPECT_EQ(At(laid_out, "9 > key 10 > child 1").hints[1].code, schema::kHintCodeSecond);
  EXPECT_EQ(keys_and_texts("9 > key 10 > child 2"), (Hints{{5, L"Later"}}));
  EXPECT_EQ(keys_and_texts("9 > key 10 > child 3"), (Hints{{6, L"Volume"}}));
  const std::vector<Hint>& balloon = At(laid_out, "9 > key 10 > child 4").hints;
  ASSERT_EQ(balloon.size(), 1u);
  EXPECT_EQ(balloon[0].code, schema::kHintCodeBalloon);
  EXPECT_EQ(balloon[0].style, schema::kTooltipBalloon);
  EXPECT_EQ(balloon[0].icon, schema::kTooltipWarning);
  EXPECT_EQ(balloon[0].flags, schema::kTooltipTrack);
  EXPECT_TRUE(At(laid_out, "9 > key 10 > child 5").hints.empty());
  EXPECT_TRUE(At(laid_out, "9 > key 10 > child 6").hints.empty());
}

// The boundary of wrapping without word breaks: a box two lines high (a line
// step and a character height, 27 pixels) wraps; one pixel lower does not.
TEST(LayoutRules, ATextWrapsWhereItsBoxHoldsTwoLinesUnlessHeldToOne) {
  Pitch10 measurer;
  const struct {
    std::uint32_t format;
    int height;
    bool wraps;
    std::size_t lines;
  } rows[] = {
      {0, 26, false, 1},
      {0, 27, true, 2},
      {schema::kFormatSingleLine, 40, false, 1},
      {schema::kFormatWordBreak, 12, true, 2},
  };
  for (const auto& row : rows) {
    const TextLayout text = LayOutText(L"aaaa bbbb", Font{}, row.format, 60, row.height, measurer);
    EXPECT_EQ(text.wraps, row.wraps) << row.format << " " << row.height;
    EXPECT_EQ(text.lines.size(), row.lines) << row.format << " " << row.height;
    EXPECT_EQ(text.fits_height, text.needed_height <= row.height);
  }
}

TEST(LayoutRules, EllipsisCutsTheLineButTheTextStillDoesNotFit) {
  Pitch10 measurer;
  const TextLayout text =
      LayOutText(L"&abcdefghij", Font{}, schema::kFormatEllipsis | schema::kFormatSingleLine, 60,
                 20, measurer);
  ASSERT_EQ(text.lines.size(), 1u);
  EXPECT_EQ(text.lines[0].text, L"abc...");  // 3 characters and "..." in 60 pixels
  EXPECT_EQ(text.lines[0].width, 60);
  EXPECT_EQ(text.needed_width, 100);
  EXPECT_FALSE(text.fits_width);
}

TEST(LayoutRules, AWordWiderThanTheBoxStandsAloneAndOverflows) {
  Pitch10 measurer;
  const TextLayout text =
      LayOutText(L"a verylongword b", Font{}, schema::kFormatWordBreak, 50, 100, measurer);
  ASSERT_EQ(text.lines.size(), 3u);
  EXPECT_EQ(text.lines[1].text, L"verylongword");
  EXPECT_EQ(text.needed_width, 120);
  EXPECT_FALSE(text.fits_width);
  EXPECT_TRUE(text.fits_height);
}

TEST(LayoutRules, TheAccessKeyIsFoundOnItsLineAndAmpersandsAreNotDrawn) {
  Pitch10 measurer;
  const TextLayout text =
      LayOutText(L"one t&wo && three", Font{}, schema::kFormatWordBreak, 40, 100, measurer);
  ASSERT_EQ(text.lines.size(), 4u);
  EXPECT_EQ(text.lines[1].text, L"two");
  EXPECT_EQ(text.lines[1].access_key, 1u);
  EXPECT_EQ(text.lines[2].text, L"&");
  EXPECT_FALSE(text.lines[0].access_key);
}

// A box at the ends of the int range (a foreign rectangle's) places its text's
// lines at the ends too, where the arithmetic once overflowed: right and
// centred lines, a vertically centred line, and an ellipsis with no room.
TEST(LayoutRules, TextInABoxAtTheEndsOfTheIntRangeStopsThere) {
  Pitch10 measurer;
  const auto line = [&](std::uint32_t format, int width, int height) {
    const TextLayout text =
        LayOutText(L"hi", Font{}, format | schema::kFormatSingleLine, width, height, measurer);
    EXPECT_EQ(text.lines.size(), 1u);
    return text.lines.empty() ? TextLine{} : text.lines.front();
  };
  EXPECT_EQ(line(schema::kFormatRight, INT_MIN, 20).x, INT_MIN);
  EXPECT_EQ(line(schema::kFormatRight, INT_MAX, 20).x, INT_MAX - 20);
  EXPECT_EQ(line(schema::kFormatCentre, INT_MIN, 20).x, (static_cast<long long>(INT_MIN) - 20) / 2);
  EXPECT_EQ(line(schema::kFormatVCentre, 100, INT_MIN).y,
            (static_cast<long long>(INT_MIN) - 15) / 2);
  EXPECT_EQ(line(schema::kFormatEllipsis, INT_MIN, 20).text, L"...");
}

}  // namespace
}  // namespace ctrlelem::layout
