// Reading registered dialogs in tests: the catalogue built afresh on a scripted
// screen, and short ways to reach a dialog's children and their fields.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "frame/registry.h"
#include "language/packet.h"
#include "language/strings.h"
#include "screen/scripted_screen.h"

// The dialog tests live in this namespace and reach these helpers unqualified.
namespace dialog_test {

using screen::Metric;

inline std::wstring Str(int id, int table = 1) { return LoadResourceString(id, table, 0); }

// The nested packet under a key (the empty packet when absent).
inline __packet Nested(const __packet& packet, int key) { return packet[key]; }

// The children container of a registered dialog, and one child of it.
inline __packet Container(std::uint32_t dialog) { return Nested(ctrlelem::Lookup(dialog), 10); }
inline __packet Child(std::uint32_t dialog, int key) { return Nested(Container(dialog), key); }

inline std::vector<int> KeysUpTo(int n) {
  std::vector<int> keys;
  for (int key = 1; key <= n; ++key) keys.push_back(key);
  return keys;
}

inline RECT Rect(const __packet& packet, int key) { return packet[key].rect().value_or(RECT{}); }
inline std::uint32_t U(const __packet& packet, int key) { return packet[key].u32().value_or(~0u); }
inline std::wstring W(const __packet& packet, int key) {
  const __val value = packet[key];
  const std::wstring* text = value.wstr();
  return text != nullptr ? *text : L"<not a wide string>";
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
