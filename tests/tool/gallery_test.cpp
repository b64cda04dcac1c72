// The gallery with native captures: each capture is copied into the site and
// shown beside its description's picture; a capture that is missing or not a
// PNG file is named and left out, and the rest of the site is written.
#if !defined(_WIN32)  // the Windows build has no renderer

#include <gtest/gtest.h>

#include "lng_test_support.h"

namespace ctrlelem_tool::lng_test {
namespace {

namespace fs = std::filesystem;
using GalleryTest = LngFolder;

// The first bytes of a PNG file are all the gallery looks at.
const std::string kPng = std::string("\x89PNG\r\n\x1a\n", 8) + "the rest of a capture";

TEST_F(GalleryTest, NativeCapturesStandBesideThePicturesAndBadOnesAreLeftOut) {
  fs::create_directory(dir_ / "captures");
  {
    std::ofstream(dir_ / "captures" / "1.png", std::ios::binary) << kPng;
    std::ofstream(dir_ / "captures" / "102.png", std::ios::binary) << "GIF89a, not a PNG";
  }
  const Outcome outcome =
      RunTool({"gallery", (dir_ / "site").string(), "--native", (dir_ / "captures").string()});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(ReadAll(dir_ / "site" / "native" / "1.png"), kPng);
  EXPECT_NE(ReadAll(dir_ / "site" / "1.html").find("<img src=\"native/1.png\""), std::string::npos);
  EXPECT_NE(outcome.err.find("102.png: not a PNG file (left out)"), std::string::npos)
      << outcome.err;
  EXPECT_FALSE(fs::exists(dir_ / "site" / "native" / "102.png"));
  // Missing and refused captures alike leave a note, never a broken image.
  for (const char* page : {"102.html", "3.html"}) {
    const std::string html = ReadAll(dir_ / "site" / page);
    EXPECT_NE(html.find("No native capture."), std::string::npos) << page;
    EXPECT_EQ(html.find("native/"), std::string::npos) << page;
  }

  const Outcome missing =
      RunTool({"gallery", (dir_ / "site").string(), "--native", (dir_ / "none").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none"), std::string::npos) << missing.err;
}

// Each language's part of a page carries the code its file gives, the page
// starts in the first language's, and a language may come from standard input.
TEST_F(GalleryTest, PagesCarryEachLanguagesCodeAndCaption) {
  const std::string french = "[language]\nname = Essai\ncode = fr\n[table 1]\n2 = Vidéo\n";
  const std::string german = std::string(CTRLELEM_LANGUAGES_DIR) + "/deutsch.lng";
  const Outcome outcome = RunTool(
      {"gallery", (dir_ / "site").string(), "--language", "-", "--language", german}, french);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const std::string page = ReadAll(dir_ / "site" / "1.html");
  EXPECT_NE(page.find("<html lang=\"fr\">"), std::string::npos);
  EXPECT_NE(page.find("<option value=\"0\" data-code=\"fr\">Essai</option>"), std::string::npos);
  EXPECT_NE(page.find("<section data-lang=\"1\" lang=\"de\">"), std::string::npos);
  // The heading holds the caption of each language, the French one from the file.
  const std::size_t heading = page.find("<h1>");
  ASSERT_NE(heading, std::string::npos);
  const std::string h1 = page.substr(heading, page.find("</h1>", heading) - heading);
  EXPECT_NE(h1.find("<span data-lang=\"0\" lang=\"fr\">Vidéo</span>"), std::string::npos) << h1;
  EXPECT_NE(h1.find("<span data-lang=\"1\" lang=\"de\">"), std::string::npos) << h1;
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test

#endif  // !_WIN32
