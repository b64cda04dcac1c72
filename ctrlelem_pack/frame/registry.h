// The packet registry: the process-wide map from element id to the registered
// description. The registry owns its packets and hands out copies only. Every
// function is safe to call from any thread at any time.
#pragma once

#include <cstdint>
#include <vector>

#include "language/packet.h"

namespace ctrlelem {

// Element ids are unsigned 32-bit.
using ElementId = std::uint32_t;

// A description and the id it is registered under.
struct ElementDescription {
  ElementId id;
  __packet packet;
};

// Files a copy of the packet under the id. The first packet registered under an
// id wins: a later one is discarded. Returns whether the packet was filed.
bool Register(ElementId id, const __packet& packet);
bool Register(ElementId id, __packet&& packet);  // moves the packet in instead

// A copy of the packet under the id, or the empty packet. An id that does not
// fit in 32 bits is never registered (it must not alias its low 32 bits).
__packet Lookup(unsigned long long id);

// The registered ids, ascending, and their number.
std::vector<ElementId> RegisteredIds();
// The registered ids in the order in which they were filed.
std::vector<ElementId> RegistrationOrder();
std::size_t RegisteredCount();

// Empties the registry, as a module unload and reload would. For tests and
// tools that need a fresh start within one process.
void ResetRegistry();

}  // namespace ctrlelem
