// GetPacketProc and the module entry point. InitPacketsLib walks the
// catalogue, so it is defined there (catalogue/init_packets_lib.cpp).
#include "frame/entry_points.h"

#include "frame/registry.h"

__packet GetPacketProc(unsigned long id) { return ctrlelem::Lookup(id); }

#if defined(_WIN32)
#include <windows.h>

// The module keeps no per-thread state, so thread notifications are switched
// off; building waits for the host's call of InitPacketsLib.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}
#endif
