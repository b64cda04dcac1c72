// A language file named "-" is standard input. The libraries read language
// files by path, so the tool copies standard input, once per run, into a
// private temporary file and hands out that file's path; messages that name
// the copy show "-" again.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace ctrlelem_tool {

inline constexpr std::string_view kStandardInputName = "-";

// The copy of standard input for one run of the tool; removed when the run
// ends. While it exists, ShowStandardInput names it "-".
class StandardInputFile {
 public:
  explicit StandardInputFile(std::istream& in);
  ~StandardInputFile();
  StandardInputFile(const StandardInputFile&) = delete;
  StandardInputFile& operator=(const StandardInputFile&) = delete;

  // The path to read for a file named `given`: `given` itself, or for "-" the
  // copy (standard input is read the first time). Empty, with `error` set,
  // when standard input cannot be read or copied, or is larger than a
  // language file may be.
  std::string PathFor(const std::string& given, std::string& error);

 private:
  std::istream& in_;
  std::filesystem::path folder_;
  std::string path_;
  std::string error_;
  bool read_ = false;
};

// `message` with the path of the current run's copy of standard input, where
// it occurs, written "-".
std::string ShowStandardInput(std::string message);

}  // namespace ctrlelem_tool
