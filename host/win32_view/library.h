// The description library as a host sees it: a DLL found by name, two exports
// under their GCC names, InitPacketsLib called once before any lookup.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "language/packet.h"

namespace ctrlelem_view {

class PacketLibrary {
 public:
  PacketLibrary() = default;
  ~PacketLibrary();
  PacketLibrary(const PacketLibrary&) = delete;
  PacketLibrary& operator=(const PacketLibrary&) = delete;

  // Loads the DLL from the program's folder and finds both exports; on failure
  // returns a message that names the DLL or the export and the system's reason.
  std::wstring Load(const std::wstring& dll_name = L"ctrlelem_pack.dll");
  // Builds every description. Call once, after the screen settings are in the
  // environment; lookups before it give empty packets.
  void Init();
  // A copy of the description registered under the id; empty if there is none.
  __packet Get(std::uint32_t id) const;

 private:
  using InitFunction = void (*)();
  using LookupFunction = __packet (*)(unsigned long);

  HMODULE module_ = nullptr;
  InitFunction init_ = nullptr;
  LookupFunction lookup_ = nullptr;
  bool initialised_ = false;
};

// The system's message for an error code, without the trailing line break.
std::wstring SystemMessage(DWORD error);

}  // namespace ctrlelem_view
