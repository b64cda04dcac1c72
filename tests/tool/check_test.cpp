#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "frame/registry.h"

namespace ctrlelem_tool {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Check(std::vector<std::string> args) {
  args.insert(args.begin(), "check");
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CheckCommandTest, EveryRegisteredDescriptionPasses) {
  const Outcome outcome = Check({});
  EXPECT_EQ(outcome.status, 0) << outcome.out;
  EXPECT_EQ(outcome.out, "checked " + std::to_string(ctrlelem::RegisteredCount()) +
                             " descriptions: 0 findings\n");
}

// One convention for every command: an id that names no description is a
// bad argument (exit 2, the id named), except for dump, which prints what
// GetPacketProc gives for it (the empty packet) and says so.
TEST(CheckCommandTest, BadArgumentsAndUnknownIdsReadAlikeInEveryCommand) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
    std::string help;  // the help the message points to, if any
  } rows[] = {
      {{"check", "107"}, 2, "ctrlelem: 107 is not a registered element id", ""},
      {{"check", "4294967297"}, 2, "ctrlelem: 4294967297 is not a registered element id", ""},
      {{"layout", "107"}, 2, "ctrlelem: 107 is not a registered element id", ""},
      {{"lng", "where", "99999"}, 2, "ctrlelem: the built-in tables have no string 99999", ""},
      {{"dump", "107"}, 0, "ctrlelem: note: 107 is not a registered element id", ""},
      // Bad arguments read alike everywhere and point to the command's own help.
      {{"lng", "frob"}, 2, "ctrlelem: unknown lng command 'frob' (expected where, check", "lng"},
      {{"list", "extra"}, 2, "ctrlelem list: The following argument was not expected", "list"},
      {{"lng", "check"}, 2, "ctrlelem lng check: file is required", "lng check"},
      {{"frob"}, 2, "ctrlelem: unknown command 'frob'", ""},
  };
  for (const auto& row : rows) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ctrlelem_tool::Run(row.args, out, err), row.status) << row.args[0];
    // Warnings that other tests leave behind (a languages folder since removed)
    // may come first.
    EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
    if (!row.help.empty()) {
      EXPECT_NE(err.str().find("Run 'ctrlelem " + row.help + " --help'"), std::string::npos)
          << err.str();
    }
  }
}

TEST(CheckCommandTest, ABadIdIsAUsageError) {
  const Outcome outcome = Check({"12x"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("bad element id '12x'"), std::string::npos);
}

}  // namespace
}  // namespace ctrlelem_tool
