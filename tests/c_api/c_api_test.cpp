// The C interface: its errors and buffer protocol before init, and after init
// the same bytes and JSON as the C++ library built in this process with the
// same settings. The suites run in the order written (the settings suite
// needs a library that is not yet initialised); do not shuffle them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "ctrlelem_pack/ctrlelem_c.h"
#include "ctrlelem_pack/ctrlelem_pack.h"
#include "dump.h"
#include "frame/registry.h"
#include "language/strings.h"
#include "layout/layout_json.h"
#include "layout/screen_measurer.h"
#include "screen/profile.h"

namespace {

std::string LastError() {
  const size_t size = ctrlelem_c_last_error(nullptr, 0);
  std::string message(size, '\0');
  EXPECT_EQ(ctrlelem_c_last_error(message.data(), message.size()), size);
  return message;
}

std::string Bytes(std::uint32_t id) {
  const size_t size = ctrlelem_c_description(id, nullptr, 0);
  std::string bytes(size, '\0');
  EXPECT_EQ(ctrlelem_c_description(id, reinterpret_cast<unsigned char*>(bytes.data()), size), size);
  return bytes;
}

std::string Json(std::uint32_t id) {
  const size_t size = ctrlelem_c_description_json(id, nullptr, 0);
  std::string json(size, '\0');
  EXPECT_EQ(ctrlelem_c_description_json(id, json.data(), size), size);
  return json;
}

std::string Layout(std::uint32_t id, std::uint32_t width = 0, std::uint32_t height = 0) {
  const size_t size = ctrlelem_c_layout_json(id, width, height, nullptr, 0);
  if (size == CTRLELEM_C_SIZE_ERROR) return {};
  std::string json(size, '\0');
  EXPECT_EQ(ctrlelem_c_layout_json(id, width, height, json.data(), size), size);
  return json;
}

std::string WriteFile(const std::string& name, const std::string& content) {
  const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

// The empty packet: the 14-byte header with no kind and no values.
const std::string kEmptyPacket("CEPK\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00", 14);

TEST(CInterfaceSettings, ReportsItsAbiVersion) {
  EXPECT_EQ(ctrlelem_c_abi_version(), std::uint32_t{CTRLELEM_C_ABI_VERSION});
  EXPECT_EQ(ctrlelem_c_abi_version(), 2u);
}

TEST(CInterfaceSettings, RefusesABadScreenNamingWhatIsWrong) {
  struct Case {
    const char* dpi;
    const char* metrics;
    const char* named;  // what the message quotes
  };
  const Case cases[] = {
      {"abc", nullptr, "abc"},
      {"0", nullptr, "0"},
      {"96x", nullptr, "96x"},
      {"10001", nullptr, "10001"},
      {"-96", nullptr, "-96"},
      {nullptr, "cxframe=-1", "cxframe"},
      {nullptr, "nope=3", "nope"},
      {nullptr, "cxframe=", "cxframe"},
      {"120", "cycaption=x", "cycaption"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dpi ? c.dpi : "NULL") + " / " + (c.metrics ? c.metrics : "NULL"));
    EXPECT_EQ(ctrlelem_c_set_screen(c.dpi, c.metrics), CTRLELEM_C_ERROR_ARGUMENT);
    const std::string message = LastError();
    EXPECT_NE(message.find("ctrlelem_c_set_screen: "), std::string::npos) << message;
    EXPECT_NE(message.find(c.named), std::string::npos) << message;
  }
  EXPECT_EQ(ctrlelem_c_set_screen("144x120", "cxframe=5,cycaption=30"), CTRLELEM_C_OK);
  EXPECT_EQ(ctrlelem_c_set_screen(nullptr, nullptr), CTRLELEM_C_OK);
  EXPECT_EQ(ctrlelem_c_set_screen("", ""), CTRLELEM_C_OK);
}

TEST(CInterfaceSettings, RefusesLanguageFilesAndFoldersThatCannotBeUsed) {
  const std::string missing =
      (std::filesystem::path(testing::TempDir()) / "no-such-language.lng").string();
  EXPECT_EQ(ctrlelem_c_set_language_file(missing.c_str()), CTRLELEM_C_ERROR_LANGUAGE);
  EXPECT_NE(LastError().find("no-such-language.lng"), std::string::npos) << LastError();

  const std::string malformed = WriteFile("c-api-malformed.lng", "[table 1]\nnot a line\n");
  EXPECT_EQ(ctrlelem_c_set_language_file(malformed.c_str()), CTRLELEM_C_ERROR_LANGUAGE);
  EXPECT_NE(LastError().find("c-api-malformed.lng:2:"), std::string::npos) << LastError();

  EXPECT_EQ(ctrlelem_c_set_languages_dir(malformed.c_str()), CTRLELEM_C_ERROR_LANGUAGE);
  EXPECT_NE(LastError().find("is not a readable folder"), std::string::npos) << LastError();

  EXPECT_EQ(ctrlelem_c_set_language_file(nullptr), CTRLELEM_C_OK);
  EXPECT_EQ(ctrlelem_c_set_languages_dir(nullptr), CTRLELEM_C_OK);
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TEST(CInterfaceSettings, PathsAreUtf8OnEveryPlatform) {
  const std::filesystem::path dir =
      std::filesystem::path(testing::TempDir()) / u8"c-api-Sprachen-\u65e5\u672c";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / u8"\u00dcberpr\u00fcfung.lng";
  std::filesystem::copy_file(CTRLELEM_LANGUAGES_DIR "/deutsch.lng", file,
                             std::filesystem::copy_options::overwrite_existing);

  EXPECT_EQ(ctrlelem_c_set_language_file(Utf8(file).c_str()), CTRLELEM_C_OK) << LastError();
  EXPECT_EQ(ctrlelem_c_set_languages_dir(Utf8(dir).c_str()), CTRLELEM_C_OK) << LastError();
  // A missing file is named in the message as it was given.
  const std::string missing = Utf8(dir / u8"fehlt-\u00e4.lng");
  EXPECT_EQ(ctrlelem_c_set_language_file(missing.c_str()), CTRLELEM_C_ERROR_LANGUAGE);
  EXPECT_NE(LastError().find(missing), std::string::npos) << LastError();

  EXPECT_EQ(ctrlelem_c_set_language_file(nullptr), CTRLELEM_C_OK);
  EXPECT_EQ(ctrlelem_c_set_languages_dir(nullptr), CTRLELEM_C_OK);
}

TEST(CInterfaceSettings, ANullBufferWithACapacityIsAnErrorNotACrash) {
  EXPECT_EQ(ctrlelem_c_description(1, nullptr, 16), CTRLELEM_C_SIZE_ERROR);
  EXPECT_NE(LastError().find("ctrlelem_c_description: the buffer is NULL but its capacity is 16"),
            std::string::npos)
      << LastError();
  EXPECT_EQ(ctrlelem_c_description_json(1, nullptr, 1), CTRLELEM_C_SIZE_ERROR);
  EXPECT_NE(LastError().find("ctrlelem_c_description_json: "), std::string::npos);
  EXPECT_EQ(ctrlelem_c_last_error(nullptr, 1), CTRLELEM_C_SIZE_ERROR);
  EXPECT_NE(LastError().find("ctrlelem_c_last_error: "), std::string::npos);
}

TEST(CInterfaceSettings, TextIsCopiedOnlyWhenItFitsWithANulWhenThereIsRoom) {
  ASSERT_EQ(ctrlelem_c_set_screen("abc", nullptr), CTRLELEM_C_ERROR_ARGUMENT);
  const std::string message = LastError();
  ASSERT_FALSE(message.empty());

  std::vector<char> buffer(message.size() + 2, '#');
  EXPECT_EQ(ctrlelem_c_last_error(buffer.data(), message.size() - 1), message.size());
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(message.size() + 2, '#'));

  EXPECT_EQ(ctrlelem_c_last_error(buffer.data(), message.size()), message.size());
  EXPECT_EQ(std::string(buffer.data(), message.size()), message);
  EXPECT_EQ(buffer[message.size()], '#');  // no room: no NUL

  EXPECT_EQ(ctrlelem_c_last_error(buffer.data(), buffer.size()), message.size());
  EXPECT_EQ(buffer[message.size()], '\0');
  EXPECT_EQ(buffer[message.size() + 1], '#');
}

TEST(CInterfaceSettings, BeforeInitEveryIdIsTheEmptyPacket) {
  EXPECT_EQ(Bytes(1), kEmptyPacket);
  EXPECT_EQ(Bytes(5), kEmptyPacket);
  // Nothing to lay out yet: an error that says what to do.
  EXPECT_EQ(ctrlelem_c_layout_json(1, 0, 0, nullptr, 0), CTRLELEM_C_SIZE_ERROR);
  EXPECT_EQ(LastError(),
            "ctrlelem_c_layout_json: 1 has no description yet: call ctrlelem_c_init first");
}

// After ctrlelem_c_init with a screen and a language given; the C++ library
// linked into this test is built with the same settings.
class CInterfaceInitialised : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string german = CTRLELEM_LANGUAGES_DIR "/deutsch.lng";
    ASSERT_EQ(ctrlelem_c_set_screen("144x120", "cxframe=5"), CTRLELEM_C_OK);
    ASSERT_EQ(ctrlelem_c_set_language_file(german.c_str()), CTRLELEM_C_OK);
    ASSERT_EQ(ctrlelem_c_set_languages_dir(CTRLELEM_LANGUAGES_DIR), CTRLELEM_C_OK);
    ASSERT_EQ(ctrlelem_c_init(), CTRLELEM_C_OK);

    screen::Profile profile;
    ASSERT_FALSE(screen::ParseDpi("144x120", profile));
    ASSERT_FALSE(screen::ParseMetrics("cxframe=5", profile));
    ASSERT_FALSE(screen::SetProfile(profile));
    ASSERT_FALSE(language::SetLanguageFile(german));
    language::SetLanguagesDir(CTRLELEM_LANGUAGES_DIR);
    ctrlelem::ResetRegistry();
    InitPacketsLib();
  }
};

TEST_F(CInterfaceInitialised, GivesTheBytesAndJsonOfTheCppLibrary) {
  std::vector<std::uint32_t> ids(ctrlelem::RegisteredIds());
  ASSERT_EQ(ids.size(), 69u);
  for (const std::uint32_t unregistered :
       {0u, 5u, 107u, std::numeric_limits<std::uint32_t>::max()}) {
    ids.push_back(unregistered);
  }
  for (const std::uint32_t id : ids) {
    SCOPED_TRACE(id);
    const __packet packet = GetPacketProc(id);
    EXPECT_EQ(Bytes(id), packet.data());
    EXPECT_EQ(Json(id), ctrlelem_tool::PacketJson(packet));
  }
  EXPECT_EQ(Bytes(107), kEmptyPacket);
  EXPECT_NE(Json(1).find("\"kind\": 1"), std::string::npos);
}

// The layout model as the tool prints it, on the same screen: initial size,
// a size the model clamps, and errors that name what is wrong.
TEST_F(CInterfaceInitialised, GivesTheLayoutTheToolPrints) {
  ctrlelem_tool::ScreenMeasurer measurer;
  for (const std::uint32_t id : ctrlelem::RegisteredIds()) {
    SCOPED_TRACE(id);
    ctrlelem::layout::Options options = ctrlelem_tool::ScreenLayoutOptions();
    options.id = id;
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{900, 700}, std::pair{1, 1}}) {
      EXPECT_EQ(Layout(id, width, height),
                ctrlelem_tool::LayoutJson(id, ctrlelem::layout::LayOut(GetPacketProc(id), width,
                                                                       height, measurer, options)));
    }
  }
  // The frame-sized window's client area is inside the given frame (cxframe=5).
  EXPECT_NE(Layout(4).find("\"client\": {\n  \"x\": 5,"), std::string::npos) << Layout(4);

  EXPECT_EQ(ctrlelem_c_layout_json(107, 0, 0, nullptr, 0), CTRLELEM_C_SIZE_ERROR);
  EXPECT_EQ(LastError(), "ctrlelem_c_layout_json: 107 is not a registered element id");
  EXPECT_EQ(ctrlelem_c_layout_json(1, 16385, 10, nullptr, 0), CTRLELEM_C_SIZE_ERROR);
  EXPECT_EQ(LastError(), "ctrlelem_c_layout_json: the size 16385x10 has a side over 16384");
  EXPECT_NE(Layout(1, 16384, 16384), "");
  EXPECT_EQ(ctrlelem_c_layout_json(1, 0, 0, nullptr, 8), CTRLELEM_C_SIZE_ERROR);
  EXPECT_NE(LastError().find("the buffer is NULL but its capacity is 8"), std::string::npos);
}

// Descriptions and layouts asked for on several threads at once, each thread
// at a size of its own that nothing measured before, are the ones asked for
// alone afterwards (the thread sanitizer runs this one).
TEST_F(CInterfaceInitialised, ConcurrentLookupsAndLayoutsAreTheOnesAskedForAlone) {
  const std::vector<std::uint32_t> ids = ctrlelem::RegisteredIds();
  constexpr std::uint32_t kThreads = 4;
  const auto size_of = [](std::uint32_t thread) { return 331 + 47 * thread; };
  const auto ask = [&ids, &size_of](std::uint32_t thread) {
    std::vector<std::string> answers;
    for (const std::uint32_t id : ids) {
      answers.push_back(Bytes(id));
      answers.push_back(Layout(id, size_of(thread), size_of(thread)));
    }
    return answers;
  };
  std::vector<std::vector<std::string>> together(kThreads);
  std::vector<std::thread> threads;
  for (std::uint32_t thread = 0; thread < kThreads; ++thread) {
    threads.emplace_back([&together, &ask, thread] { together[thread] = ask(thread); });
  }
  for (std::thread& thread : threads) thread.join();
  for (std::uint32_t thread = 0; thread < kThreads; ++thread) {
    EXPECT_EQ(together[thread], ask(thread)) << "thread " << thread;
  }
}

TEST_F(CInterfaceInitialised, AShortBufferIsLeftUntouched) {
  const size_t size = ctrlelem_c_description(102, nullptr, 0);
  ASSERT_GT(size, 14u);
  std::vector<unsigned char> buffer(size, 0xAA);
  EXPECT_EQ(ctrlelem_c_description(102, buffer.data(), size - 1), size);
  EXPECT_EQ(buffer, std::vector<unsigned char>(size, 0xAA));
  EXPECT_EQ(ctrlelem_c_description(102, buffer.data(), size), size);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), GetPacketProc(102).data());
}

TEST_F(CInterfaceInitialised, SettingsAfterInitAreRefusedAndChangeNothing) {
  const std::string before = Bytes(1);
  EXPECT_EQ(ctrlelem_c_set_screen("96", nullptr), CTRLELEM_C_ERROR_STATE);
  EXPECT_NE(LastError().find("ctrlelem_c_set_screen: the descriptions are already built"),
            std::string::npos)
      << LastError();
  EXPECT_EQ(ctrlelem_c_set_language_file(nullptr), CTRLELEM_C_ERROR_STATE);
  EXPECT_NE(LastError().find("ctrlelem_c_set_language_file: "), std::string::npos);
  EXPECT_EQ(ctrlelem_c_set_languages_dir(nullptr), CTRLELEM_C_ERROR_STATE);
  EXPECT_NE(LastError().find("settings must come before it"), std::string::npos);
  EXPECT_EQ(ctrlelem_c_init(), CTRLELEM_C_OK);
  EXPECT_EQ(Bytes(1), before);
}

}  // namespace
