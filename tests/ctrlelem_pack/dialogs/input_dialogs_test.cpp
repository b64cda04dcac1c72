// The input dialogs: their window fields, their counted children and the forms
// of their buttons and fields.
#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace dialog_test {
namespace {

class InputDialogs : public CatalogueTest {
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
    EXPECT_EQ(U32(dialog, 1), e.id);
    EXPECT_EQ(Wide(dialog, 2), Str(e.caption));
    EXPECT_EQ(U32(dialog, 3), 44u);
    EXPECT_EQ(U32(dialog, 4), 0x200u);
    EXPECT_EQ(dialog[8].size(), (SIZE{356, 97}));
    EXPECT_EQ(U32(dialog, 9), static_cast<std::uint32_t>(e.children));
    // Exactly the dialog's own children: 149, built right after 102, keeps
    // nothing of 102's eighth child.
    EXPECT_EQ(Container(e.id).keys(), KeysUpTo(e.children));
  }
}

TEST_F(InputDialogs, Dialog149HasNoSmallPictureAndItsLinkMovesLeft) {
  EXPECT_EQ(U32(Child(149, 5), 1), 982u);
  EXPECT_EQ(Rect(Child(149, 5), 4), (RECT{71, 64, 144, 18}));
  EXPECT_EQ(U32(Child(149, 6), 1), 972u);
  EXPECT_EQ(U32(Child(149, 7), 1), 973u);
}

TEST_F(InputDialogs, FieldCarriesTheBalloonHintAsKind5) {
  for (std::uint32_t id : {102u, 149u, 146u, 103u}) {
    SCOPED_TRACE(id);
    const __packet field = Child(id, 4);
    EXPECT_EQ(field.kind(), 7);
    EXPECT_EQ(U32(field, 3), 0x6u);
    EXPECT_EQ(Rect(field, 4), (RECT{71, 32, 165, 20}));
    const __packet hint = Nested(field, 5);
    EXPECT_EQ(hint.kind(), 5);
    EXPECT_EQ(U32(hint, 1), 1002u);
    EXPECT_EQ(Wide(hint, 5), Str(701, 2));
  }
  EXPECT_EQ(U32(Child(102, 4), 2), 24u);
  EXPECT_EQ(U32(Child(149, 4), 1), 1002u);
  EXPECT_EQ(U32(Child(149, 4), 2), 9u);
  EXPECT_EQ(U32(Child(103, 4), 2), 8u);

  const __packet captioned = Child(104, 4);
  EXPECT_EQ(captioned.kind(), 24);
  EXPECT_EQ(captioned.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(U32(captioned, 2), 7u);
  EXPECT_EQ(Rect(captioned, 4), (RECT{71, 32, 165, 45}));
  EXPECT_EQ(Wide(captioned, 5), Str(1414));
  EXPECT_EQ(Nested(captioned, 6).kind(), 5);
}

TEST_F(InputDialogs, LinkButtonHasBlueTextOnlyStatesAndTextButtonsHaveNoCounts) {
  const __packet link = Child(104, 6);
  EXPECT_EQ(U32(link, 1), 989u);
  EXPECT_EQ(U32(link, 2), 0x268u);
  EXPECT_EQ(link.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 15, 16}));
  EXPECT_EQ(Wide(Nested(link, 5), 5), Str(766, 2));
  for (int state : {6, 9, 12, 15}) {
    const __packet caption = Nested(link, state);
    EXPECT_EQ(Wide(caption, 2), Str(766));
    EXPECT_EQ(U32(caption, 3), 0xFF0000u);
    EXPECT_EQ(U32(caption, 7), state == 15 ? 10u : 2u);
    EXPECT_EQ(U32(link, state + 1), 0u);
  }

  const __packet ok = Child(104, 7);
  EXPECT_EQ(U32(ok, 2), 0x41u);
  EXPECT_EQ(ok.keys(), (std::vector<int>{1, 2, 3, 4, 6, 9, 12, 15}));
  EXPECT_EQ(Wide(Nested(ok, 6), 2), Str(489));
  EXPECT_EQ(U32(Nested(ok, 12), 7), 0u);
  EXPECT_EQ(U32(Nested(ok, 15), 7), 8u);
  EXPECT_EQ(Rect(Child(104, 8), 4), (RECT{265, 56, 73, 23}));
}

TEST_F(InputDialogs, EachDialogDiffersFrom102OnlyWhereItsRowSays) {
  struct Expected {
    std::uint32_t id;
    std::uint32_t icon;
    int label;
    std::uint32_t picture;  // 0: no small picture
    std::uint32_t link;
    int link_text;
  };
  for (const Expected& e :
       {Expected{102, 164, 34, 181, 990, 765}, Expected{149, 164, 1522, 0, 982, 1523},
        Expected{146, 164, 34, 181, 990, 765}, Expected{103, 164, 37, 666, 990, 765},
        Expected{104, 5210, 39, 222, 989, 766}}) {
    SCOPED_TRACE(e.id);
    const __packet backdrop = Child(e.id, 1);
    EXPECT_EQ(U32(backdrop, 1), 110u);
    EXPECT_EQ(U32(backdrop, 2), 684u);
    EXPECT_EQ(Rect(backdrop, 5), (RECT{0, 0, 356, 97}));
    EXPECT_EQ(U32(Child(e.id, 2), 1), 111u);
    EXPECT_EQ(U32(Child(e.id, 2), 2), e.icon);
    EXPECT_EQ(Wide(Child(e.id, 3), 2), Str(e.label));
    int key = 5;
    if (e.picture != 0) {
      const __packet picture = Child(e.id, key++);
      EXPECT_EQ(picture.kind(), 2);
      EXPECT_EQ(U32(picture, 1), 112u);
      EXPECT_EQ(U32(picture, 2), e.picture);
      EXPECT_EQ(Rect(picture, 5), (RECT{71, 65, 16, 16}));
    }
    const __packet link = Child(e.id, key);
    EXPECT_EQ(U32(link, 1), e.link);
    const __packet hint = Nested(link, 5);
    EXPECT_EQ(hint.kind(), 5);
    EXPECT_EQ(hint.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(U32(hint, 1), 2u);
    EXPECT_EQ(Wide(hint, 4), Str(1));
    EXPECT_EQ(Wide(hint, 5), Str(e.link_text, 2));
    EXPECT_EQ(U32(hint, 6), 0x10u);
    EXPECT_EQ(Wide(Nested(link, 6), 2), Str(e.link_text));
  }
}

TEST_F(InputDialogs, LabelAndStateCaptionsReadByAnchorFlags) {
  const __packet label = Child(102, 3);
  EXPECT_EQ(U32(label, 1), 124u);
  EXPECT_EQ(U32(label, 6), 9u);
  EXPECT_EQ(U32(label, 8), 0x24u);  // one line, centred vertically, not horizontally
  EXPECT_EQ(U32(label, 9), 0x6u);
  EXPECT_EQ(Rect(label, 10), (RECT{72, 16, 165, 16}));
  // The captions fill their button less the margins: 3 pixels at the left for
  // the link, none for the text buttons.
  const __packet link_caption = Nested(Child(102, 6), 6);
  EXPECT_EQ(U32(link_caption, 8), 0x25u);
  EXPECT_EQ(U32(link_caption, 9), 0x60u);
  EXPECT_EQ(Rect(link_caption, 10), (RECT{3, 0, 0, 0}));
  const __packet ok_caption = Nested(Child(102, 7), 6);
  EXPECT_EQ(U32(ok_caption, 3), 0u);
  EXPECT_EQ(U32(ok_caption, 8), 0x25u);
  EXPECT_EQ(U32(ok_caption, 9), 0x60u);
  EXPECT_EQ(Rect(ok_caption, 10), (RECT{0, 0, 0, 0}));
}

}  // namespace
}  // namespace dialog_test
