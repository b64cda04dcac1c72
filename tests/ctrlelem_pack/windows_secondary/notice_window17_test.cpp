// The notice window 17: its caption, and the two buttons filled one after the
// other.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "language/strings.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

class NoticeWindow17Test : public SecondaryWindowTest {
 protected:
  __packet Build() { return ctrlelem::catalogue::BuildDescription(17); }
};

TEST_F(NoticeWindow17Test, CaptionIsStringNumber860AsAWideString) {
  language_.emplace("[table 1]\n860 = Achtung\n");
  const __packet window = Build();
  EXPECT_EQ(window.keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  ASSERT_EQ(window[2].type(), __val::Type::wstr);
  EXPECT_EQ(Wide(window, 2), L"Achtung");
  EXPECT_EQ(U32(window, 4), 1u);
  EXPECT_EQ(U32(window, 9), 5u);
  EXPECT_EQ(Nested(window, 10).size(), 5u);
}

TEST_F(NoticeWindow17Test, ButtonsAreTextOnlyAndDifferInTheirFourthCaption) {
  const __packet children = Nested(Build(), 10);
  const __packet link = Nested(children, 4);
  const __packet close = Nested(children, 5);
  ASSERT_EQ(U32(link, 1), 1025u);
  ASSERT_EQ(U32(close, 1), 1026u);
  const std::vector<int> keys = {1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 15, 16};
  EXPECT_EQ(link.keys(), keys);
  EXPECT_EQ(close.keys(), keys);
  for (int count : {7, 10, 13, 16}) {
    EXPECT_EQ(U32(link, count), 0u) << count;
    EXPECT_EQ(U32(close, count), 0u) << count;
  }

  // One number, two tables: the caption from table 1, the hint from table 2.
  EXPECT_EQ(Wide(Nested(link, 6), 2), Str(2056));
  EXPECT_EQ(Wide(Nested(link, 5), 5), Str(2056, 2));
  EXPECT_EQ(U32(Nested(link, 12), 7), 3u);
  EXPECT_EQ(U32(Nested(link, 15), 7), 10u);

  EXPECT_EQ(U32(close, 2), 0x41u);
  EXPECT_EQ(Nested(close, 15), Nested(close, 6));
  EXPECT_EQ(Wide(Nested(close, 6), 2), Str(908));
}

}  // namespace
}  // namespace secondary_test
