// The two forms of the dump: a tree for people, a JSON document for tools.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "json_writer.h"
#include "language/packet.h"

namespace ctrlelem_tool {

// One description to dump: the id asked for and the packet it gave.
struct Described {
  unsigned long long id;
  __packet packet;
};

// {"kind": K or null, "values": [{"key": N, "type": T, "value": V}, ...]}
Json PacketToJson(const __packet& packet, int depth = 0);
// {"descriptions": [{"id": N, "packet": PACKET}, ...]}
Json DescriptionsToJson(std::span<const Described> descriptions);

// The indented tree: kinds by name, keys with their meaning, colours in hex,
// nested packets unfolded.
std::string DumpText(std::span<const Described> descriptions);

}  // namespace ctrlelem_tool
