#include "frame/entry_points.h"

#include <mutex>

#include "frame/display_scale.h"
#include "frame/init_steps.h"
#include "frame/registry.h"

void InitPacketsLib() {
  // "Call once" is the contract; a host that calls twice at once gets two
  // builds one after the other, and the registry keeps the first packet filed
  // under each id, as after two calls in a row.
  static std::mutex building;
  const std::lock_guard lock(building);
  ctrlelem::ComputeDisplayScale();
  for (const ctrlelem::InitStep step : ctrlelem::InitSteps()) step();
}

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
