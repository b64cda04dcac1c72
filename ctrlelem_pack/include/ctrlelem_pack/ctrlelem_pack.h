// ctrlelem_pack: the user-interface descriptions of the client, by element id.
// The library's two exported entry points are its whole contract with the
// host; a description comes back as a __packet of the packet library
// (language/packet.h, included here).
//
//   InitPacketsLib();                   // once, before any lookup
//   __packet main_window = GetPacketProc(1);
//
// Link ctrlelem_pack::ctrlelem_pack (CMake) or `pkg-config ctrlelem_pack`. To
// read a description's elements, see <ctrlelem_pack/host.h>.
#pragma once

#include "ctrlelem_pack/version.h"
#include "language/packet.h"

// Export when building the library, import from the DLL everywhere else, and
// nothing for code linked with the library's static build (the project's tool
// and tests).
#if defined(_WIN32)
#if defined(CTRLELEM_PACK_BUILDING)
#define CTRLELEM_PACK_API __declspec(dllexport)
#elif defined(CTRLELEM_PACK_STATIC)
#define CTRLELEM_PACK_API
#else
#define CTRLELEM_PACK_API __declspec(dllimport)
#endif
#else
#define CTRLELEM_PACK_API __attribute__((visibility("default")))
#endif

// Builds every description and files it in the registry. Call it once, and let
// it return before any call of GetPacketProc. A further call, concurrent or
// not, builds again but changes nothing: the first packet filed under an id
// stays.
CTRLELEM_PACK_API void InitPacketsLib();

// A copy of the description registered under the id, or the empty packet for an
// id that is not registered (including every id above 0xFFFFFFFF).
CTRLELEM_PACK_API __packet GetPacketProc(unsigned long id);
