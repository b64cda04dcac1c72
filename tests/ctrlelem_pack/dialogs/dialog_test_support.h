// Reading registered dialogs in tests: the catalogue built afresh on a scripted
// screen, and short ways to reach a dialog's children and their fields.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/catalogue.h"
#include "frame/registry.h"
#include "screen/scripted_screen.h"
#include "support/packet_access.h"

// The dialog tests live in this namespace and reach these helpers unqualified.
namespace dialog_test {

using namespace test_support;
using screen::Metric;

// The children container of a registered dialog, and one child of it.
inline __packet Container(std::uint32_t dialog, Here here = {}) {
  return Nested(ctrlelem::Lookup(dialog), 10, here);
}
inline __packet Child(std::uint32_t dialog, int key, Here here = {}) {
  return Nested(Container(dialog, here), key, here);
}

// Builds the whole catalogue on a scripted screen that the test may script
// further before calling Build().
class CatalogueTest : public ::testing::Test {
 protected:
  void Build() {
    ctrlelem::ResetRegistry();
    for (const ctrlelem::catalogue::DialogGroup group : ctrlelem::catalogue::DialogGroups()) {
      for (const ctrlelem::ElementDescription& dialog : group()) {
        ctrlelem::Register(dialog.id, dialog.packet);
      }
    }
  }
  void TearDown() override { ctrlelem::ResetRegistry(); }

  std::shared_ptr<screen::ScriptedScreen> screen_ = std::make_shared<screen::ScriptedScreen>();
  screen::ScopedScreen installed_{screen_};
};

}  // namespace dialog_test
