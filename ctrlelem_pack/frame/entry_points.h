// The library's two exported entry points: the whole contract with the host.
#pragma once

#include "language/packet.h"

#if defined(_WIN32)
#define CTRLELEM_EXPORT __declspec(dllexport)
#else
#define CTRLELEM_EXPORT __attribute__((visibility("default")))
#endif

// Builds every description and files it in the registry. Call it once, and let
// it return before any call of GetPacketProc.
CTRLELEM_EXPORT void InitPacketsLib();

// A copy of the description registered under the id, or the empty packet for an
// id that is not registered (including every id above 0xFFFFFFFF).
CTRLELEM_EXPORT __packet GetPacketProc(unsigned long id);
