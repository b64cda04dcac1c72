// Output that cannot be written (a full disk, a closed pipe) is an error: a
// message and exit status 1, never a silent success.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "commands.h"

namespace ctrlelem_tool {
namespace {

// Takes the first `room` characters, then refuses: a disk that fills up.
class FullAfter : public std::streambuf {
 public:
  explicit FullAfter(std::size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (room_ == 0) return traits_type::eof();
    --room_;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize count) override {
    const auto taken = std::min<std::streamsize>(count, static_cast<std::streamsize>(room_));
    room_ -= static_cast<std::size_t>(taken);
    return taken;
  }

 private:
  std::size_t room_;
};

TEST(WriteErrors, EveryCommandExitsOneWhenItsOutputIsLost) {
  const std::vector<std::vector<std::string>> commands = {
      {"dump", "1"}, {"dump", "--json", "7"},    {"check", "4"}, {"list"}, {"export-lng"},
      {"--help"},    {"lng", "update", "--help"}};
  for (const std::size_t room : {std::size_t{0}, std::size_t{20}}) {
    for (const auto& args : commands) {
      FullAfter full(room);
      std::ostream out(&full);
      std::ostringstream err;
      EXPECT_EQ(ctrlelem_tool::Run(args, out, err), 1) << args.front() << " with room " << room;
      EXPECT_NE(err.str().find("ctrlelem: cannot write the output"), std::string::npos)
          << err.str();
    }
  }
}

#if defined(__linux__)
TEST(WriteErrors, AnOutputFileThatCannotBeWrittenExitsOne) {
  for (const char* file : {"/dev/full", "/nonexistent/folder/out.lng"}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ctrlelem_tool::Run({"export-lng", "-o", file}, out, err), 1) << file;
    EXPECT_NE(err.str().find(std::string("cannot write '") + file + "'"), std::string::npos)
        << err.str();
  }
}
#endif

}  // namespace
}  // namespace ctrlelem_tool
