// What hostile input must not do to the tool's output: pictures of any size
// are refused before a file is touched, picture files are read within limits
// and embedded once, the gallery's pages keep their ids apart, and no text
// reaches a terminal with its control characters.
#if !defined(_WIN32)  // the Windows build has no renderer

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>

#include "lng_test_support.h"
#include "text_encoding.h"

namespace ctrlelem_tool::lng_test {
namespace {

namespace fs = std::filesystem;
using HostileOutputTest = LngFolder;

std::size_t CountOf(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST_F(HostileOutputTest, APictureTooLargeIsRefusedBeforeTheOldOutputIsTouched) {
  const struct {
    std::vector<std::string> options;
    const char* size;
  } cases[] = {
      {{"1", "--dpi", "6000"}, "18062 x 31250"},
      {{"4", "--metrics", "cycaption=10000,cxframe=10000,cyframe=10000"}, "20176 x 30144"},
  };
  const std::string old = Write("old.png", "the old picture");
  fs::create_symlink("old.png", dir_ / "link.png");
  fs::create_symlink("old.png", dir_ / "link.svg");
  for (const auto& c : cases) {
    for (const char* name : {"link.png", "link.svg"}) {
      std::vector<std::string> args = {"render"};
      args.insert(args.end(), c.options.begin(), c.options.end());
      args.insert(args.end(), {"-o", (dir_ / name).string()});
      const Outcome outcome = RunTool(args);
      EXPECT_EQ(outcome.status, 2) << name;
      EXPECT_EQ(outcome.err, std::string("ctrlelem: the picture would be ") + c.size +
                                 " pixels: at most 32767 a side and 67108864 pixels in all\n");
      EXPECT_EQ(ReadAll(old), "the old picture");
      EXPECT_TRUE(fs::is_symlink(dir_ / name));
    }
  }
}

// A PNG file of the given sides, as cairo writes it.
void WritePng(const fs::path& file, int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  ASSERT_EQ(cairo_surface_write_to_png(surface, file.c_str()), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(surface);
}

TEST_F(HostileOutputTest, PictureFilesAreHeldToLimitsAndEmbeddedOnce) {
  // Description 1 shows picture 5209 twelve times and 231 and 210 as often.
  const fs::path images = dir_ / "images";
  fs::create_directory(images);
  WritePng(images / "5209.png", 4, 4);
  // A sparse file of 256 MiB that begins like a PNG.
  {
    std::ofstream(images / "231.png", std::ios::binary) << "\x89PNG\r\n\x1a\n";
    fs::resize_file(images / "231.png", std::uintmax_t{256} << 20);
  }
  // A small file whose header declares 20000 x 20000 pixels.
  WritePng(images / "210.png", 1, 1);
  std::string declaring = ReadAll(images / "210.png");
  declaring.replace(16, 8, std::string("\0\0\x4e\x20\0\0\x4e\x20", 8));
  Write("images/210.png", declaring);

  for (const char* name : {"1.svg", "1.png"}) {
    const Outcome outcome =
        RunTool({"render", "1", "--images", images.string(), "-o", (dir_ / name).string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(CountOf(outcome.err, "ctrlelem: warning: picture '"), 2u) << outcome.err;
    EXPECT_NE(
        outcome.err.find("231.png' not drawn: the file has 268435456 bytes (at most 1048576)"),
        std::string::npos)
        << outcome.err;
    EXPECT_NE(outcome.err.find("210.png' not drawn: its header declares 20000 x 20000 pixels (at "
                               "most 4096 a side)"),
              std::string::npos)
        << outcome.err;
  }
  const std::string svg = ReadAll(dir_ / "1.svg");
  EXPECT_EQ(CountOf(svg, "data:image/png;base64,"), 1u);
  EXPECT_GE(CountOf(svg, "<use href=\"#cp0\""), 2u);
  EXPECT_LT(svg.size(), std::size_t{1} << 20);
}

TEST_F(HostileOutputTest, GalleryIdsAreUniqueOnEveryPage) {
  const std::string german = std::string(CTRLELEM_LANGUAGES_DIR) + "/deutsch.lng";
  const std::string english = std::string(CTRLELEM_LANGUAGES_DIR) + "/english.lng";
  const Outcome outcome =
      RunTool({"gallery", (dir_ / "site").string(), "--language", english, "--language", german});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  constexpr std::string_view kId = " id=\"";
  for (const char* page : {"1.html", "3.html", "102.html"}) {
    const std::string html = ReadAll(dir_ / "site" / page);
    std::set<std::string> ids;
    std::size_t count = 0;
    for (std::size_t at = html.find(kId); at != std::string::npos; at = html.find(kId, at + 1)) {
      const std::size_t start = at + kId.size();
      const std::string id = html.substr(start, html.find('"', start) - start);
      EXPECT_TRUE(ids.insert(id).second) << page << ": " << id;
      ++count;
    }
    EXPECT_GT(count, 10u) << page;
  }
}

TEST(Printable, EscapesWhatATerminalWouldActOn) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain \"quoted\" C:\\path", "plain \"quoted\" C:\\path"},
      {"\x1b[2K\x1b[1A", "\\u001b[2K\\u001b[1A"},
      {"\x1b]52;c;eA==\x07", "\\u001b]52;c;eA==\\u0007"},
      {"tab\there\r\nnext", "tab\\there\\r\\nnext"},
      {"del\x7f csi\xC2\x9B"
       "31m",
       "del\\u007f csi\\u009b31m"},
      {"\xC3\xA9\xE2\x82\xAC", "\xC3\xA9\xE2\x82\xAC"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(Printable(text), shown);
  EXPECT_EQ(QuoteJson("\x7f\xC2\x85"), "\"\\u007f\\u0085\"");
}

TEST_F(HostileOutputTest, LngCheckAndStatsPrintNoControlCharacters) {
  const std::string file = Write("evil\x1b[2K\x1b[1A.lng", "[language]\nname = Ok\n[table 1]\n");
  const std::string refused = Write("refused\x1b.lng", "[language]\nname = a\x1b[2Kb\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"lng", "check", file},
                                               {"lng", "check", refused},
                                               {"lng", "stats", dir_.string()}}) {
    const Outcome outcome = RunTool(args);
    EXPECT_EQ(outcome.out.find('\x1b'), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos) << outcome.err;
    EXPECT_NE((outcome.out + outcome.err).find("\\u001b"), std::string::npos) << args[1];
  }
  const Outcome check = RunTool({"lng", "check", refused});
  EXPECT_EQ(check.status, 2);
  EXPECT_NE(check.err.find(":2: control character U+001B in the text"), std::string::npos)
      << check.err;
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test

#endif  // !_WIN32
