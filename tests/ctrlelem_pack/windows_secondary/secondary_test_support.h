// Helpers for the secondary-window tests: a fixture with a scripted screen and
// an empty registry, one that reads into the split-view windows, short reads of
// menus and information bars, and the checker's verdict.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "ctrlelem_pack/schema/checker.h"
#include "language/strings.h"
#include "screen/scripted_screen.h"
#include "support/packet_access.h"

namespace secondary_test {

using namespace test_support;

// A language file written to a temporary folder and made current for the
// life of the object; the built-in tables are current again afterwards.
class ScopedLanguageFile {
 public:
  explicit ScopedLanguageFile(const std::string& content) {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("secondary_windows_" + std::to_string(counter++) + ".lng");
    std::ofstream(path_, std::ios::binary) << content;
    const auto error = language::SetLanguageFile(path_.string());
    if (error) ADD_FAILURE() << error->message;
  }
  ~ScopedLanguageFile() {
    language::SetLanguageFile("");
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  ScopedLanguageFile(const ScopedLanguageFile&) = delete;
  ScopedLanguageFile& operator=(const ScopedLanguageFile&) = delete;

 private:
  std::filesystem::path path_;
};

// Each test builds its descriptions afresh on a screen whose answers it scripts.
class SecondaryWindowTest : public ::testing::Test {
 protected:
  // Scripts the measured width of string `id` of table 1.
  void SetWidth(int id, int width) { screen_->widths[Str(id)] = width; }

  std::optional<ScopedLanguageFile> language_;
  std::shared_ptr<screen::ScriptedScreen> screen_ = std::make_shared<screen::ScriptedScreen>();
  screen::ScopedScreen installed_{screen_};
};

// A split-view window (3 or 2) built by its family, read through its nested
// split views; the outer one is child `outer_child` of the window.
class SplitViewWindowTest : public SecondaryWindowTest {
 protected:
  SplitViewWindowTest(ctrlelem::ElementId id, int outer_child)
      : id_(id), outer_child_(outer_child) {}

  __packet Build() { return ctrlelem::catalogue::BuildDescription(id_); }
  __packet Outer(const __packet& window) const { return At(window, {10, outer_child_}); }
  __packet Inner(const __packet& window) const { return At(Outer(window), {8, 1}); }
  // The inner split view's first pane: window 3's tool row, window 2's panel.
  __packet FirstPane(const __packet& window) const { return Nested(Inner(window), 8); }
  __packet ControlBar(const __packet& window) const { return Nested(Outer(window), 13); }

 private:
  ctrlelem::ElementId id_;
  int outer_child_;
};

// Submenu n (from 1) of a menu bar.
inline __packet SubmenuOf(const __packet& menu, int n) { return At(menu, {3, 6 * n}); }

// The keys that item n (from 1) of an item list holds, as offsets 1 to 6.
inline std::vector<int> ItemKeys(const __packet& items, int n) {
  std::vector<int> offsets;
  for (int offset = 1; offset <= 6; ++offset) {
    if (items.has(6 * (n - 1) + offset)) offsets.push_back(offset);
  }
  return offsets;
}

// Fails the test once for every finding of the checker in the descriptions.
inline void ExpectNoFindings(std::initializer_list<std::uint32_t> ids) {
  for (std::uint32_t id : ids) {
    for (const auto& finding : ctrlelem::schema::CheckDescription(
             id, ctrlelem::catalogue::BuildDescription(id), ctrlelem::catalogue::CheckFacts())) {
      ADD_FAILURE() << finding.path << ": " << finding.reason;
    }
  }
}

// Without its exceptions the split-view window's only findings are the four
// short layer counts of the font button 1002, found at `font_button`.
inline void ExpectOnlyFontButtonCountFindings(std::uint32_t id, const std::string& font_button) {
  const auto findings =
      ctrlelem::schema::CheckDescription(id, ctrlelem::catalogue::BuildDescription(id), {});
  EXPECT_EQ(findings.size(), 4u);
  for (const auto& finding : findings) {
    EXPECT_EQ(finding.path.rfind(font_button + " > key ", 0), 0u)
        << finding.path << ": " << finding.reason;
  }
}

// All the texts of an information bar's text packet, run by run.
inline std::vector<std::wstring> BarTexts(const __packet& bar) {
  std::vector<std::wstring> texts;
  const __packet text_packet = Nested(bar, 14);
  for (int text_key : text_packet.keys()) {
    std::wstring joined;
    const __packet runs = Nested(text_packet, text_key);
    for (int run_key : runs.keys()) joined += Wide(Nested(runs, run_key), 2);
    texts.push_back(joined);
  }
  return texts;
}

}  // namespace secondary_test
