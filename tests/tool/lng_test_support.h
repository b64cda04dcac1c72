// Shared by the `ctrlelem lng` tests: running the tool in-process and writing
// language files into a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "language/strings.h"

namespace ctrlelem_tool::lng_test {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

inline Outcome RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

// The same with `input` as standard input.
inline Outcome RunTool(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// A fresh folder per test, removed afterwards; the random part keeps runs of
// the same test in other checkouts or processes out of each other's way.
class LngFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("ctrlelem-lng-") + info->test_suite_name() + "-" + info->name() + "-" +
            std::to_string(std::random_device{}()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& content) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  // The exported English template with entries replaced ("ID = TEXT" lines of
  // the given table; an empty text drops the entry) and lines appended.
  static std::string Template(const std::map<std::pair<int, int>, std::string>& changes,
                              const std::string& appended = {}) {
    std::istringstream in(language::BuiltinTablesAsLng());
    std::string out;
    int table = 0;
    for (std::string line; std::getline(in, line);) {
      if (line == "[table 1]") table = 1;
      if (line == "[table 2]") table = 2;
      const std::size_t equals = line.find(" =");
      if (table != 0 && equals != std::string::npos && line[0] >= '0' && line[0] <= '9') {
        const auto change = changes.find({table, std::stoi(line.substr(0, equals))});
        if (change != changes.end()) {
          if (!change->second.empty())
            out += line.substr(0, equals) + " = " + change->second + "\n";
          continue;
        }
      }
      out += line + "\n";
    }
    return out + appended;
  }

  std::filesystem::path dir_;
};

}  // namespace ctrlelem_tool::lng_test
