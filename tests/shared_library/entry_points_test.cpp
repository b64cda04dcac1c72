// Loads libctrlelem_pack.so the way a host does and drives it through its two
// exported entry points only.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "language/packet.h"

// fontconfig keeps its configuration until the process ends; the leak checker
// of sanitizer builds asks the executable, not the library, what to ignore.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

using InitFunction = void (*)();
using LookupFunction = __packet (*)(unsigned long);

class SharedLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(CTRLELEM_PACK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    // The host links by the C++ names of the two functions.
    init_ = reinterpret_cast<InitFunction>(dlsym(handle_, "_Z14InitPacketsLibv"));
    lookup_ = reinterpret_cast<LookupFunction>(dlsym(handle_, "_Z13GetPacketProcm"));
    ASSERT_NE(init_, nullptr);
    ASSERT_NE(lookup_, nullptr);
  }
  // The library stays loaded, as in a host: unloading it would leave the
  // libraries it loaded without a name to report leaks against.

  void* handle_ = nullptr;
  InitFunction init_ = nullptr;
  LookupFunction lookup_ = nullptr;
};

TEST_F(SharedLibraryTest, ServesCopiesAfterInitAndEmptyPacketsOtherwise) {
  EXPECT_TRUE(lookup_(1).empty());  // nothing is built before InitPacketsLib
  init_();
  init_();  // a second call keeps the first packets
  const __packet main_window = lookup_(1);
  if (main_window.has_kind()) {
    EXPECT_EQ(*main_window.kind(), 1);
  }
  EXPECT_TRUE(lookup_(107).empty());
  EXPECT_TRUE(lookup_(0).empty());
  if constexpr (sizeof(unsigned long) > 4) {
    EXPECT_EQ(lookup_(static_cast<unsigned long>(0x100000001ull)), lookup_(0));
  }
  __packet copy = lookup_(1);
  copy << __val(99, 1);
  EXPECT_EQ(lookup_(1), main_window);
}

}  // namespace
