// Helpers for the string, language-file and language-list tests.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "language/diagnostics.h"
#include "language/strings.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace language_test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
#if defined(_WIN32)
    const std::string process = "0";
#else
    const std::string process = std::to_string(::getpid());
#endif
    path_ =
        fs::temp_directory_path() / ("language_test_" + process + "_" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const fs::path& path() const { return path_; }

  // Writes `bytes` to the file `name` in the folder and returns its path.
  fs::path Write(const std::string& name, std::string_view bytes) const {
    const fs::path file = path_ / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

 private:
  fs::path path_;
};

// The text of a string in the current language, as a copy.
inline std::wstring Text(int id, int table) { return LoadResourceString(id, table, 0); }

// Tests that change the current language or the languages folder: each starts
// and ends with the built-in tables, no folder and no pending diagnostics.
class LanguageStateTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }

  static void Reset() {
    language::SetLanguageFile("");
    language::SetLanguagesDir("");
    language::TakeDiagnostics();
  }
};

}  // namespace language_test
