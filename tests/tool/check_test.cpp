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

TEST(CheckCommandTest, AnUnregisteredIdIsAFinding) {
  const std::vector<ctrlelem::ElementId> registered = ctrlelem::RegisteredIds();
  std::vector<std::string> args = {"107", "4294967297"};
  if (!registered.empty()) args.push_back(std::to_string(registered.front()));
  const Outcome outcome = Check(args);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out,
            "107: not registered\n"
            "4294967297: not registered\n"
            "checked " +
                std::to_string(args.size()) + " descriptions: 2 findings\n");
}

TEST(CheckCommandTest, ABadIdIsAUsageError) {
  const Outcome outcome = Check({"12x"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("bad element id '12x'"), std::string::npos);
}

}  // namespace
}  // namespace ctrlelem_tool
