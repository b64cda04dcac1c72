#include "frame/entry_points.h"

#include "frame/display_scale.h"
#include "frame/init_steps.h"
#include "frame/registry.h"

void InitPacketsLib() {
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
