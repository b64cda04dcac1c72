// The input dialogs: their window fields, their counted children and the forms
// of their buttons and fields.
#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace {

using dialog_test::Child;
using dialog_test::Container;
using dialog_test::KeysUpTo;
using dialog_test::Nested;
using dialog_test::Rect;
using dialog_test::Str;
using dialog_test::U;
using dialog_test::W;

class InputDialogs : public dialog_test::CatalogueTest {
 protected:
  void SetUp() override { Build(); }
};

TEST_F(InputDialogs, WindowCarriesStyle44AndCountsItsChildren) {
  struct Expected {
    std::uint32_t id;
    int caption;
    int children;
  };
  for (const Expected& e : {Expected{102, 33, 8}, Expected{149, 1521, 7}, Expected{146, 1487, 8},
                            Expected{103, 35, 8}, Expected{104, 38, 8}}) {
    SCOPED_TRACE(e.id);
    const __packet dialog = ctrlelem::Lookup(e.id);
    EXPECT_EQ(dialog.kind(), 1);
    EXPECT_EQ(dialog.keys(), (std::vector<int>{1, 2, 3, 4, 8, 9, 10}));
    EXPECT_EQ(U(dialog, 1), e.id);
    EXPECT_EQ(W(dialog, 2), Str(e.caption));
    EXPECT_EQ(U(dialog, 3), 44u);
    EXPECT_EQ(U(dialog, 4), 0x200u);
    EXPECT_EQ(dialog[8].size(), (SIZE{356, 97}));
    EXPECT_EQ(U(dialog, 9), static_cast<std::uint32_t>(e.children));
    // Exactly the dialog's own children: 149, built right after 102, keeps
    // nothing of 102's eighth child.
    EXPECT_EQ(Container(e.id).keys(), KeysUpTo(e.children));
  }
}

TEST_F(InputDialogs, Dialog149HasNoSmallPictureAndItsLinkMovesLeft) {
  EXPECT_EQ(U(Child(149, 5), 1), 982u);
  EXPECT_EQ(Rect(Child(149, 5), 4), (RECT{71, 64, 144, 18}));
  EXPECT_EQ(U(Child(149, 6), 1), 972u);
  EXPECT_EQ(U(Child(149, 7), 1), 973u);
}

TEST_F(InputDialogs, FieldCarriesTheBalloonHintAsKind5) {
  for (std::uint32_t id : {102u, 149u, 146u, 103u}) {
    SCOPED_TRACE(id);
    const __packet field = Child(id, 4);
    EXPECT_EQ(field.kind(), 7);
    EXPECT_EQ(U(field, 3), 0x6u);
    EXPECT_EQ(Rect(field, 4), (RECT{71, 32, 165, 20}));
    const __packet hint = Nested(field, 5);
    EXPECT_EQ(hint.kind(), 5);
    EXPECT_EQ(U(hint, 1), 1002u);
    EXPECT_EQ(W(hint, 5), Str(701, 2));
  }
  EXPECT_EQ(U(Child(102, 4), 2), 24u);
  EXPECT_EQ(U(Child(149, 4), 1), 1002u);
  EXPECT_EQ(U(Child(149, 4), 2), 9u);
  EXPECT_EQ(U(Child(103, 4), 2), 8u);

  const __packet captioned = Child(104, 4);
  EXPECT_EQ(captioned.kind(), 24);
  EXPECT_EQ(captioned.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(U(captioned, 2), 7u);
  EXPECT_EQ(Rect(captioned, 4), (RECT{71, 32, 165, 45}));
  EXPECT_EQ(W(captioned, 5), Str(1414));
  EXPECT_EQ(Nested(captioned, 6).kind(), 5);
}

TEST_F(InputDialogs, LinkButtonHasBlueTextOnlyStatesAndTextButtonsHaveNoCounts) {
  const __packet link = Child(104, 6);
  EXPECT_EQ(U(link, 1), 989u);
  EXPECT_EQ(U(link, 2), 0x268u);
  EXPECT_EQ(link.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 15, 16}));
  EXPECT_EQ(W(Nested(link, 5), 5), Str(766, 2));
  for (int state : {6, 9, 12, 15}) {
    const __packet caption = Nested(link, state);
    EXPECT_EQ(W(caption, 2), Str(766));
    EXPECT_EQ(U(caption, 3), 0xFF0000u);
    EXPECT_EQ(U(caption, 7), state == 15 ? 10u : 2u);
    EXPECT_EQ(U(link, state + 1), 0u);
  }

  const __packet ok = Child(104, 7);
  EXPECT_EQ(U(ok, 2), 0x41u);
  EXPECT_EQ(ok.keys(), (std::vector<int>{1, 2, 3, 4, 6, 9, 12, 15}));
  EXPECT_EQ(W(Nested(ok, 6), 2), Str(489));
  EXPECT_EQ(U(Nested(ok, 12), 7), 0u);
  EXPECT_EQ(U(Nested(ok, 15), 7), 8u);
  EXPECT_EQ(Rect(Child(104, 8), 4), (RECT{265, 56, 73, 23}));
}

}  // namespace
