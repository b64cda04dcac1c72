#include "safe_write.h"

#include <cerrno>
#include <system_error>

#if defined(_WIN32)
#include <filesystem>
#include <fstream>
#include <random>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

namespace ctrlelem_tool {
namespace {

std::string Failure(const std::string& path, int error) {
  return "cannot write '" + path + "': " + std::generic_category().message(error);
}

#if defined(_WIN32)

namespace fs = std::filesystem;

// Writes the whole content to a stream opened on `file`; false on any error.
bool WriteStream(const fs::path& file, std::string_view content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  return static_cast<bool>(out);
}

std::string Write(const std::string& path, std::string_view content) {
  const fs::path target(path);
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    // A device (NUL, CON): written like a stream.
    errno = 0;
    if (WriteStream(target, content)) return {};
    return Failure(path, errno != 0 ? errno : EIO);
  }
  const fs::path temporary = target.parent_path() / (target.filename().string() + ".tmp" +
                                                     std::to_string(std::random_device{}()));
  errno = 0;
  if (!WriteStream(temporary, content)) {
    const int error = errno != 0 ? errno : EIO;
    fs::remove(temporary, ec);
    return Failure(path, error);
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return "cannot write '" + path + "': " + ec.message();
  }
  return {};
}

#else

// The kernel follows at most this many links in one path; so does the writer.
constexpr int kMaxLinks = 40;
// Room for the temporary file's suffix within a name of at most 255 bytes.
constexpr std::size_t kMaxTemporaryStem = 200;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a chain of symbolic links at the end of `path` leads: the last name in
// it (which need not exist yet). The chain stops at a link under /proc
// (/dev/stdout leads to /proc/self/fd/1): such a link names an open file, a
// pipe or a terminal rather than a place to put a new file, and opening the
// link itself opens what it stands for.
struct Destination {
  std::string path;
  bool through_proc = false;
  int error = 0;
};

Destination FollowLinks(std::string path) {
  Destination destination;
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      destination.path = std::move(path);
      return destination;
    }
    if (path.starts_with("/proc/")) {
      destination.path = std::move(path);
      destination.through_proc = true;
      return destination;
    }
    std::vector<char> target(static_cast<std::size_t>(info.st_size) + 2);
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
      destination.error = length < 0 ? errno : ENAMETOOLONG;
      return destination;
    }
    std::string next(target.data(), static_cast<std::size_t>(length));
    path = next.starts_with('/') ? std::move(next) : FolderOf(path) + "/" + next;
  }
  destination.error = ELOOP;
  return destination;
}

// Writes all of `content`; 0 or the error.
int WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// A terminal, a FIFO, a device or the open file behind /proc/self/fd/N:
// opened and written like a stream, never replaced. Behind /proc the content
// is appended: standard output redirected to a file (`>` or `>>`) gets it
// after what the file holds, as the shell would.
int WriteInPlace(const std::string& path, bool through_proc, std::string_view content) {
  const int mode = through_proc ? O_APPEND : O_TRUNC;
  const int fd = ::open(path.c_str(), O_WRONLY | mode | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = WriteAll(fd, content);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The mode a new file gets: what open(2) would give with mode 0666.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes a temporary file beside `target` and renames it over the target.
int Replace(const std::string& target, std::string_view content) {
  std::string name = NameOf(target);
  if (name.size() > kMaxTemporaryStem) name.resize(kMaxTemporaryStem);
  std::string temporary = FolderOf(target) + "/." + name + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    // Owner and group first: changing them clears the set-id bits.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int group_only = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
  } else if (::fchmod(fd, NewFileMode()) != 0) {
    error = errno;
  }
  if (error == 0) error = WriteAll(fd, content);
  // Written through to the disk before the rename: a full disk that the
  // write itself did not report shows here, while the old file still stands.
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

std::string Write(const std::string& path, std::string_view content) {
  const Destination destination = FollowLinks(path);
  if (destination.error != 0) return Failure(path, destination.error);
  struct stat info {};
  const bool exists = ::stat(destination.path.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return Failure(path, EISDIR);
  const bool in_place = destination.through_proc || (exists && !S_ISREG(info.st_mode));
  const int error = in_place ? WriteInPlace(destination.path, destination.through_proc, content)
                             : Replace(destination.path, content);
  return error == 0 ? std::string() : Failure(path, error);
}

#endif

}  // namespace

std::string WriteFileSafely(const std::string& path, std::string_view content) {
  if (path.empty()) return Failure(path, ENOENT);
  return Write(path, content);
}

}  // namespace ctrlelem_tool
