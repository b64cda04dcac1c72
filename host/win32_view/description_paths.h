// Places in a description named by their paths, as the layout model and the
// checker spell them ("3 > key 10 > child 5 > key 8"): after the description's
// id, each step's number is a key of the packet before it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ctrlelem_pack/host.h"

namespace ctrlelem_view {

// The packet a path names; nothing when a step is not a packet.
std::optional<__packet> Resolve(const __packet& description, const std::string& path);

// Sets an unsigned key of the packet a path names, writing every nested packet
// on the way back into its parent (nested packets are stored as their bytes).
// False, with the description unchanged, when a step is not a packet.
bool SetAtPath(__packet& description, const std::string& path, int key, std::uint32_t value);

}  // namespace ctrlelem_view
