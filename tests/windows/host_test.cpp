// Loads ctrlelem_pack.dll the way the host does: by name, from the program's
// folder, through its two exports under their GCC names, with the __packet of
// language.dll.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "language/packet.h"

namespace {

using InitFunction = void (*)();
using LookupFunction = __packet (*)(unsigned long);

constexpr int kWindowKind = 1;
constexpr int kMenuKind = 10;

// The module, loaded for the life of the object.
class Module {
 public:
  Module() : handle_(LoadLibraryW(L"ctrlelem_pack.dll")) {
    if (handle_ == nullptr) return;
    init_ = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(handle_, "_Z14InitPacketsLibv")));
    lookup_ = reinterpret_cast<LookupFunction>(
        reinterpret_cast<void*>(GetProcAddress(handle_, "_Z13GetPacketProcm")));
  }
  ~Module() {
    if (handle_ != nullptr) FreeLibrary(handle_);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  bool loaded() const { return handle_ != nullptr && init_ != nullptr && lookup_ != nullptr; }
  void Init() const { init_(); }
  __packet Lookup(unsigned long id) const { return lookup_(id); }

 private:
  HMODULE handle_;
  InitFunction init_ = nullptr;
  LookupFunction lookup_ = nullptr;
};

// The registered ids: windows, the three menus, and the dialogs 101 to 157
// without 107.
std::vector<unsigned long> RegisteredIds() {
  std::vector<unsigned long> ids{1, 2, 3, 4, 7, 8, 11, 12, 13, 14, 16, 17, 18};
  for (unsigned long id = 101; id <= 157; ++id) {
    if (id != 107) ids.push_back(id);
  }
  return ids;
}

int KindOf(unsigned long id) { return id == 7 || id == 8 || id == 12 ? kMenuKind : kWindowKind; }

TEST(Host, ServesEveryDescriptionAfterInitAndEmptyPacketsOtherwise) {
  const Module module;
  ASSERT_TRUE(module.loaded()) << "LoadLibraryW/GetProcAddress failed: " << GetLastError();
  EXPECT_TRUE(module.Lookup(1).empty());  // nothing is built before InitPacketsLib
  module.Init();
  const std::vector<unsigned long> ids = RegisteredIds();
  ASSERT_EQ(ids.size(), 69u);
  for (const unsigned long id : ids) {
    const __packet description = module.Lookup(id);
    EXPECT_EQ(description.kind(), std::optional<int>(KindOf(id))) << id;
    EXPECT_GT(description.keys().size(), 1u) << id;
  }
  for (const unsigned long id :
       {0ul, 5ul, 6ul, 9ul, 10ul, 15ul, 19ul, 100ul, 107ul, 158ul, 0xFFFFFFFFul}) {
    EXPECT_TRUE(module.Lookup(id).empty()) << id;
  }
  __packet copy = module.Lookup(1);  // a copy: changing it leaves the registry alone
  const __packet original = copy;
  copy << __val(999, 1);
  EXPECT_EQ(module.Lookup(1), original);
}

TEST(Host, FreedModuleIsUnloadedAndLoadsAgainEmpty) {
  __packet first;
  {
    const Module module;
    ASSERT_TRUE(module.loaded());
    module.Init();
    first = module.Lookup(1);
  }
  // DLL_PROCESS_DETACH ran: the module and its registry are gone.
  EXPECT_EQ(GetModuleHandleW(L"ctrlelem_pack.dll"), nullptr);
  const Module again;
  ASSERT_TRUE(again.loaded());
  EXPECT_TRUE(again.Lookup(1).empty());
  again.Init();
  EXPECT_EQ(again.Lookup(1), first);
}

}  // namespace
