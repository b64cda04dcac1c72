// The bash completion script, run by bash: what it offers after a few typed
// words comes from the command definitions.
#if !defined(_WIN32)  // bash is not there under Wine

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "commands.h"

namespace ctrlelem_tool {
namespace {

// The words bash completes for the command line typed so far.
std::string Complete(const std::string& script, const std::string& typed) {
  const std::string command = "bash --norc -c 'source \"" + script + "\"; COMP_WORDS=(" + typed +
                              "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _ctrlelem; "
                              "printf \"%s \" \"${COMPREPLY[@]}\"'";
  std::string result;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t read = fread(buffer, 1, sizeof buffer, pipe)) result.append(buffer, read);
    pclose(pipe);
  }
  return result;
}

TEST(CompletionTest, BashOffersTheCommandsAndOptionsOfWhatIsTyped) {
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(ctrlelem_tool::Run({"completion", "bash"}, out, err), 0) << err.str();
  const std::filesystem::path script =
      std::filesystem::temp_directory_path() / "ctrlelem-completion-test.bash";
  std::ofstream(script) << out.str();
  const struct {
    const char* typed;
    const char* offered;
  } rows[] = {
      {"ctrlelem la", "layout "},
      {"ctrlelem lng ch", "check "},
      {"ctrlelem lng check x.lng --mi", "--missing "},
      {"ctrlelem render 1 --mark", "--mark-overflow "},
      {"ctrlelem dump --j", "--json "},
      {"ctrlelem schema --m", "--markdown "},
      {"ctrlelem completion \"\"", "bash --help -h "},  // nothing typed yet
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Complete(script.string(), row.typed), row.offered) << row.typed;
  }
  std::filesystem::remove(script);
}

}  // namespace
}  // namespace ctrlelem_tool

#endif
