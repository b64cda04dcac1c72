#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "frame/entry_points.h"
#include "frame/registry.h"
#include "language/strings.h"
#include "main_family_test_support.h"
#include "windows/main/main_menu.h"

namespace {

namespace fs = std::filesystem;
using main_family_test::ScreenAt;
using test_support::At;
using test_support::Wide;

TEST(MainWindowFamily, RegistersItsFourDescriptionsFirstWithTheInstalledLanguages) {
  const fs::path folder =
      fs::temp_directory_path() /
      ("main_family_test_" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(folder);
  std::ofstream(folder / "b.lng") << "[language]\nname = Beta\n";
  std::ofstream(folder / "a.lng") << "[language]\nname = Alpha\n";
  language::SetLanguagesDir(folder.string());
  ScreenAt screen(120, 120);

  ctrlelem::ResetRegistry();
  InitPacketsLib();
  const std::vector<ctrlelem::ElementId> order = ctrlelem::RegistrationOrder();
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(std::vector<ctrlelem::ElementId>(order.begin(), order.begin() + 4),
            (std::vector<ctrlelem::ElementId>{1, 7, 11, 18}));
  EXPECT_EQ(ctrlelem::Lookup(1)[7].size(), (SIZE{558, 1406}));
  EXPECT_EQ(ctrlelem::Lookup(7), ctrlelem::main_window::MainMenu(GetLeguagesList()));
  // In the order of the files' paths, whatever the names.
  const __packet languages = At(ctrlelem::Lookup(7), {3, 12, 3, 66, 3});
  EXPECT_TRUE(Wide(languages, 3).starts_with(L"Alpha"));
  EXPECT_TRUE(Wide(languages, 9).starts_with(L"Beta"));

  ctrlelem::ResetRegistry();
  language::SetLanguagesDir("");
  fs::remove_all(folder);
}

}  // namespace
