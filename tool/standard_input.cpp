#include "standard_input.h"

#include <fstream>
#include <istream>
#include <random>
#include <system_error>

#include "language/limits.h"

namespace ctrlelem_tool {
namespace {

namespace fs = std::filesystem;

// The copy's path while a run has one: what ShowStandardInput replaces.
std::string current_copy;

// A new folder only this run writes to, in the system's temporary folder.
fs::path MakePrivateFolder(std::error_code& ec) {
  const fs::path base = fs::temp_directory_path(ec);
  if (ec) return {};
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path folder = base / ("ctrlelem-stdin-" + std::to_string(random()));
    if (fs::create_directory(folder, ec)) {
      fs::permissions(folder, fs::perms::owner_all, ec);
      return folder;
    }
    if (ec) return {};
  }
  ec = std::make_error_code(std::errc::file_exists);
  return {};
}

}  // namespace

StandardInputFile::StandardInputFile(std::istream& in) : in_(in) {}

StandardInputFile::~StandardInputFile() {
  if (!folder_.empty()) {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  if (current_copy == path_) current_copy.clear();
}

std::string StandardInputFile::PathFor(const std::string& given, std::string& error) {
  if (given != kStandardInputName) return given;
  if (read_) {
    error = error_;
    return path_;
  }
  read_ = true;
  // Read at most one byte more than a language file may hold, so a longer
  // input is refused without being kept.
  std::string content;
  char buffer[65536];
  while (content.size() <= language::kMaxLngFileSize &&
         in_.read(buffer, sizeof buffer).gcount() > 0) {
    content.append(buffer, static_cast<std::size_t>(in_.gcount()));
  }
  if (in_.bad()) {
    error_ = "cannot read standard input";
  } else if (content.size() > language::kMaxLngFileSize) {
    error_ = "standard input is larger than a language file may be (" +
             std::to_string(language::kMaxLngFileSize >> 20) + " MiB)";
  } else {
    std::error_code ec;
    folder_ = MakePrivateFolder(ec);
    if (ec) {
      error_ = "cannot keep standard input in a temporary file: " + ec.message();
    } else {
      const fs::path file = folder_ / "standard-input.lng";
      std::ofstream copy(file, std::ios::binary);
      copy.write(content.data(), static_cast<std::streamsize>(content.size()));
      copy.close();
      if (!copy) {
        error_ = "cannot keep standard input in a temporary file '" + file.string() + "'";
      } else {
        path_ = file.string();
        current_copy = path_;
      }
    }
  }
  error = error_;
  return error_.empty() ? path_ : std::string();
}

std::string ShowStandardInput(std::string message) {
  if (current_copy.empty()) return message;
  for (std::size_t at = message.find(current_copy); at != std::string::npos;
       at = message.find(current_copy, at + kStandardInputName.size())) {
    message.replace(at, current_copy.size(), kStandardInputName);
  }
  return message;
}

}  // namespace ctrlelem_tool
