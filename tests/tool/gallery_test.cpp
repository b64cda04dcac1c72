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

}  // namespace
}  // namespace ctrlelem_tool::lng_test

#endif  // !_WIN32
