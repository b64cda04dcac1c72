// The descriptions keep to the schema; the one deviation they carry on purpose
// is button 1002's short counts.
#include <gtest/gtest.h>

#include "schema/checker.h"
#include "secondary_test_support.h"
#include "windows/secondary/families.h"

namespace {

class SecondarySchemaCheckTest : public secondary_test::SecondaryWindowTest {
 protected:
  void SetUp() override {
    SecondaryWindowTest::SetUp();
    ctrlelem::BuildSplitViewWindow3Family();
    ctrlelem::BuildFrameSizedWindow4();
    ctrlelem::BuildButtonStripWindow14();
  }
};

TEST_F(SecondarySchemaCheckTest, DescriptionsKeepToTheSchema) {
  for (std::uint32_t id : {3u, 8u, 13u, 16u, 4u, 14u}) {
    for (const auto& finding : ctrlelem::schema::CheckDescription(id, ctrlelem::Lookup(id))) {
      ADD_FAILURE() << finding.path << ": " << finding.reason;
    }
  }
}

TEST_F(SecondarySchemaCheckTest, OnlyTheFontButtonsCountsNeedTheirException) {
  const auto findings = ctrlelem::schema::CheckDescription(3, ctrlelem::Lookup(3), {});
  // The four layer counts of the control bar's child 20, button 1002.
  EXPECT_EQ(findings.size(), 4u);
  for (const auto& finding : findings) {
    EXPECT_EQ(finding.path.rfind("3 > key 10 > child 1 > key 13 > child 20 > key ", 0), 0u)
        << finding.path << ": " << finding.reason;
  }
}

}  // namespace
