// The second dialog group: message-family windows, the input dialog 101, the
// check box with its formatted note (105) and the link column of 110.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dialog_test_support.h"
#include "text/format_label.h"

namespace dialog_test {
namespace {

std::wstring Formatted(int pattern, int argument) {
  const std::optional<std::wstring> label = ctrlelem::FormatLabel(Str(pattern), {Str(argument, 2)});
  EXPECT_TRUE(label.has_value());
  return label.value_or(L"");
}

class SecondGroup : public CatalogueTest {};

TEST_F(SecondGroup, Dialog101TakesItsTextIdFromItsKeyAndLeavesTheFieldHintEmpty) {
  Build();
  EXPECT_EQ(U32(Child(101, 2), 1), 12u);
  const __packet field = Child(101, 3);
  EXPECT_EQ(field.kind(), 7);
  EXPECT_EQ(field.keys(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(U32(field, 2), 0u);
  EXPECT_EQ(U32(field, 3), 0u);
  EXPECT_EQ(Rect(field, 4), (RECT{25, 50, 235, 70}));
  // No packet at all: the empty byte string, not an empty packet's bytes.
  const __val hint = field[5];
  ASSERT_NE(hint.bytes(), nullptr);
  EXPECT_TRUE(hint.bytes()->empty());
}

TEST_F(SecondGroup, Dialog105NoteStartsRightOfTheBoxAndIsAsWideAsItsPattern) {
  screen_->widths[Str(821)] = 100;  // A
  screen_->widths[Str(820)] = 80;   // B, the pattern as written
  for (int check : {13, 20}) {
    SCOPED_TRACE(check);
    screen_->metrics[Metric::cxmenucheck] = check;
    screen_->measurements.clear();
    Build();
    const RECT box = Rect(Child(105, 3), 10);
    const RECT note = Rect(Child(105, 4), 10);
    EXPECT_EQ(box, (RECT{40, 40, 100 + check + 44, 60}));
    EXPECT_EQ(note, (RECT{box.right + 3, 42, 100 + 80 + check + 47, 62}));
    EXPECT_EQ(Wide(Child(105, 4), 2), Formatted(820, 1132));
    EXPECT_NE(Wide(Child(105, 4), 2), Str(820));
    EXPECT_EQ(U32(Child(105, 4), 6), 9u);
    EXPECT_EQ(U32(Child(105, 3), 6), 0u);
  }
  // Both strings measured with one 8-point font.
  ASSERT_FALSE(screen_->measurements.empty());
  const auto& measured = screen_->measurements.front();
  EXPECT_EQ(measured.font.point_size, 8);
  EXPECT_EQ(measured.font.weight, 400);
  EXPECT_EQ(measured.texts, (std::vector<std::wstring>{Str(821), Str(820)}));
}

TEST_F(SecondGroup, Dialog110FormatsEachLinkFromItsOwnPatternAndArgument) {
  Build();
  const __packet check = Child(110, 6);
  const __packet change = Child(110, 7);
  EXPECT_EQ(U32(check, 1), 999u);
  EXPECT_EQ(Wide(check, 2), Formatted(1513, 1516));
  EXPECT_EQ(U32(change, 1), 998u);
  EXPECT_EQ(Wide(change, 2), Formatted(1514, 1515));
  EXPECT_NE(Wide(check, 2).find(Str(1516, 2)), std::wstring::npos);
  for (int key : {6, 7, 8}) EXPECT_EQ(U32(Child(110, key), 6), 9u) << key;
  EXPECT_EQ(U32(Child(110, 9), 6), 0u);
  EXPECT_EQ(U32(Child(110, 4), 1), 122u);
}

TEST_F(SecondGroup, ALabelThatCannotBeFormattedIsEmptyNotThePreviousLabel) {
  // A translated pattern whose field width is out of all reason.
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "dialogs_unformattable_label.lng";
  std::ofstream(file) << "[language]\nname = Test\n[table 1]\n1514 = %70000s\n";
  ASSERT_FALSE(language::SetLanguageFile(file.string()));
  Build();
  language::SetLanguageFile("");
  std::filesystem::remove(file);
  EXPECT_FALSE(Wide(Child(110, 6), 2).empty());
  EXPECT_EQ(Wide(Child(110, 7), 2), L"");
}

TEST_F(SecondGroup, RepeatedDialogsShareTheirChildrenOnly) {
  Build();
  for (auto [copy, original] : {std::pair{133u, 106u}, {145u, 109u}, {148u, 111u}}) {
    SCOPED_TRACE(copy);
    EXPECT_EQ(Container(copy), Container(original));
    EXPECT_EQ(U32(ctrlelem::Lookup(copy), 1), copy);
  }
  EXPECT_EQ(Wide(ctrlelem::Lookup(133), 2), Str(2));
  EXPECT_EQ(Wide(ctrlelem::Lookup(106), 2), Str(42));
}

}  // namespace
}  // namespace dialog_test
