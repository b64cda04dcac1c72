// The descriptions keep to the schema; the one deviation they carry on purpose
// is button 1002's short counts.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "secondary_test_support.h"

namespace secondary_test {
namespace {

class SecondarySchemaCheckTest : public SecondaryWindowTest {
 protected:
};

TEST_F(SecondarySchemaCheckTest, DescriptionsKeepToTheSchema) {
  ExpectNoFindings({3, 8, 13, 16, 4, 14});
}

TEST_F(SecondarySchemaCheckTest, OnlyTheFontButtonsCountsNeedTheirException) {
  // The control bar's child 20.
  ExpectOnlyFontButtonCountFindings(3, "3 > key 10 > child 1 > key 13 > child 20");
}

}  // namespace
}  // namespace secondary_test
