// Files the tool writes: a link stays a link and its target is replaced, a
// file keeps its mode, a device or FIFO is written in place, and a failure
// leaves the old file as it was with nothing beside it.
#include "safe_write.h"

#if defined(__linux__)
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

#include "lng/lng_update.h"
#include "lng_test_support.h"

namespace ctrlelem_tool::lng_test {
namespace {

namespace fs = std::filesystem;
using SafeWriteTest = LngFolder;

std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode;
}

// Every write that would make a file longer than `bytes` fails (EFBIG), as a
// full disk fails one.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{bytes, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t old_handler_ = nullptr;
};

TEST_F(SafeWriteTest, ReplacesTheFileThatLinksLeadToAndKeepsItsMode) {
  struct Case {
    const char* written;  // the name given to the writer
    const char* file;     // the regular file that receives the content
    std::vector<std::pair<const char*, const char*>> links;  // name, target
  };
  const Case cases[] = {
      {"plain.txt", "plain.txt", {}},
      {"link.txt", "target.txt", {{"link.txt", "target.txt"}}},
      {"first", "sub/last.txt", {{"first", "second"}, {"second", "sub/last.txt"}}},
      {"dangling", "new.txt", {{"dangling", "new.txt"}}},
  };
  fs::create_directory(dir_ / "sub");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    const bool existed = std::string(c.written) != "dangling";
    // Another user's file keeps its owner where the tool may set it (as root).
    const bool as_root = ::geteuid() == 0;
    constexpr uid_t kOther = 4321;
    if (existed) {
      Write(c.file, "old");
      ASSERT_EQ(::chmod((dir_ / c.file).c_str(), 0640), 0);
      if (as_root) {
        ASSERT_EQ(::chown((dir_ / c.file).c_str(), kOther, kOther), 0);
      }
    }
    for (const auto& [name, target] : c.links) fs::create_symlink(target, dir_ / name);
    const std::vector<std::string> before = Names(dir_);

    ASSERT_EQ(WriteFileSafely((dir_ / c.written).string(), "new"), "");
    EXPECT_EQ(ReadAll(dir_ / c.file), "new");
    for (const auto& [name, target] : c.links) EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name;
    if (existed) {
      EXPECT_EQ(ModeOf(dir_ / c.file) & 07777, 0640u);
      struct stat info {};
      ASSERT_EQ(::stat((dir_ / c.file).c_str(), &info), 0);
      if (as_root) {
        EXPECT_EQ(info.st_uid, kOther);
        EXPECT_EQ(info.st_gid, kOther);
      }
      EXPECT_EQ(Names(dir_), before);  // no temporary file left
    }
  }
}

TEST_F(SafeWriteTest, WritesDevicesAndFifosInPlace) {
  // Stand-ins for /dev/stdout: links to /dev/null and to a FIFO.
  fs::create_symlink("/dev/null", dir_ / "null");
  ASSERT_EQ(WriteFileSafely((dir_ / "null").string(), "discarded"), "");
  EXPECT_TRUE(fs::is_symlink(dir_ / "null"));
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));

  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", dir_ / "stdout");
  std::string read;
  std::thread reader([&] { read = ReadAll(dir_ / "fifo"); });
  const std::string error = WriteFileSafely((dir_ / "stdout").string(), "through the pipe");
  reader.join();
  EXPECT_EQ(error, "");
  EXPECT_EQ(read, "through the pipe");
  EXPECT_TRUE(fs::is_symlink(dir_ / "stdout"));
  EXPECT_TRUE(S_ISFIFO(ModeOf(dir_ / "fifo")));

  // A link to /proc/self/fd/N, as /dev/stdout is: a pipe gets the content,
  // a file behind it gets it appended and stays the same file.
  int pipe_ends[2];
  ASSERT_EQ(::pipe(pipe_ends), 0);
  fs::create_symlink("/proc/self/fd/" + std::to_string(pipe_ends[1]), dir_ / "pipe-stdout");
  EXPECT_EQ(WriteFileSafely((dir_ / "pipe-stdout").string(), "to the pipe"), "");
  ::close(pipe_ends[1]);
  char buffer[64] = {};
  EXPECT_EQ(::read(pipe_ends[0], buffer, sizeof buffer), 11);
  EXPECT_EQ(std::string(buffer), "to the pipe");
  ::close(pipe_ends[0]);
  const std::string log = Write("log.txt", "earlier\n");
  struct stat before {};
  ASSERT_EQ(::stat(log.c_str(), &before), 0);
  const int log_fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
  fs::create_symlink("/proc/self/fd/" + std::to_string(log_fd), dir_ / "file-stdout");
  EXPECT_EQ(WriteFileSafely((dir_ / "file-stdout").string(), "later\n"), "");
  ::close(log_fd);
  EXPECT_EQ(ReadAll(log), "earlier\nlater\n");
  struct stat after {};
  ASSERT_EQ(::stat(log.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);

  fs::create_directory(dir_ / "folder");
  EXPECT_EQ(WriteFileSafely((dir_ / "folder").string(), "x"),
            "cannot write '" + (dir_ / "folder").string() + "': Is a directory");
}

TEST_F(SafeWriteTest, AFailedWriteLeavesTheOldFileAndNothingBesideIt) {
  Write("target.txt", "old");
  fs::create_symlink("target.txt", dir_ / "link.txt");
  const std::vector<std::string> before = Names(dir_);
  for (const char* name : {"target.txt", "link.txt", "absent.txt"}) {
    const std::string path = (dir_ / name).string();
    std::string error;
    {
      const FileSizeLimit full(16);
      error = WriteFileSafely(path, std::string(4096, 'x'));
    }
    EXPECT_EQ(error, "cannot write '" + path + "': File too large");
    EXPECT_EQ(ReadAll(dir_ / "target.txt"), "old");
    EXPECT_EQ(Names(dir_), before);
  }
  const std::string missing = (dir_ / "missing" / "x.txt").string();
  EXPECT_EQ(WriteFileSafely(missing, "x"),
            "cannot write '" + missing + "': No such file or directory");
}

// The commands that write files all go through the writer.
TEST_F(SafeWriteTest, CommandsKeepLinksAndLeaveNothingOnFailure) {
  const std::string real = Write("real.lng", "[table 1]\n11 = Anrufen\n");
  fs::create_symlink("real.lng", dir_ / "link.lng");
  const std::string link = (dir_ / "link.lng").string();
  ASSERT_EQ(RunTool({"lng", "update", link}).status, 0);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_NE(ReadAll(real).find(std::string(lng::kUntranslatedMarker)), std::string::npos);

  fs::create_symlink("export.lng", dir_ / "export-link.lng");
  ASSERT_EQ(RunTool({"export-lng", "-o", (dir_ / "export-link.lng").string()}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir_ / "export-link.lng"));
  std::map<std::pair<int, int>, std::wstring> exported;
  std::map<std::pair<int, int>, std::wstring> builtin;
  ASSERT_FALSE(language::ReadLanguageTexts((dir_ / "export.lng").string(), exported));
  const std::string builtin_file = (dir_ / "builtin.lng").string();
  std::ofstream(builtin_file, std::ios::binary) << language::BuiltinTablesAsLng();
  ASSERT_FALSE(language::ReadLanguageTexts(builtin_file, builtin));
  EXPECT_EQ(exported, builtin);

  // A full disk: exit 1 with the file and the reason, and no file at all.
  const std::vector<std::string> before = Names(dir_);
  const std::string full = (dir_ / "full.lng").string();
  Outcome outcome;
  {
    const FileSizeLimit limit(4096);
    outcome = RunTool({"export-lng", "-o", full});
  }
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "ctrlelem: cannot write '" + full + "': File too large\n");
  EXPECT_EQ(Names(dir_), before);

  // A folder that refuses new files (root may write anywhere).
  if (::geteuid() != 0) {
    fs::create_directory(dir_ / "locked");
    const std::string locked = Write("locked/de.lng", "[table 1]\n11 = Anrufen\n");
    fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    outcome = RunTool({"lng", "update", locked});
    fs::permissions(dir_ / "locked", fs::perms::owner_all);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "ctrlelem: cannot write '" + locked + "': Permission denied\n");
  }
  const std::string nowhere = (dir_ / "nowhere" / "de.lng").string();
  outcome = RunTool({"lng", "update", real, "-o", nowhere});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "ctrlelem: cannot write '" + nowhere + "': No such file or directory\n");
}

}  // namespace
}  // namespace ctrlelem_tool::lng_test
#endif
