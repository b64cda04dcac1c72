#include "frame/registry.h"

#include <limits>
#include <map>

namespace ctrlelem {
namespace {

// Filled only while InitPacketsLib runs; lookups afterwards only read it, so
// concurrent lookups need no lock.
std::map<ElementId, __packet>& Packets() {
  static std::map<ElementId, __packet> packets;
  return packets;
}

std::vector<ElementId>& Order() {
  static std::vector<ElementId> order;
  return order;
}

}  // namespace

bool Register(ElementId id, const __packet& packet) {
  const bool filed = Packets().try_emplace(id, packet).second;
  if (filed) Order().push_back(id);
  return filed;
}

__packet Lookup(unsigned long long id) {
  if (id > std::numeric_limits<ElementId>::max()) return __packet();
  const auto& packets = Packets();
  const auto found = packets.find(static_cast<ElementId>(id));
  return found == packets.end() ? __packet() : found->second;
}

std::vector<ElementId> RegisteredIds() {
  std::vector<ElementId> ids;
  ids.reserve(Packets().size());
  for (const auto& [id, packet] : Packets()) ids.push_back(id);
  return ids;
}

std::vector<ElementId> RegistrationOrder() { return Order(); }

std::size_t RegisteredCount() { return Packets().size(); }

void ResetRegistry() {
  Packets().clear();
  Order().clear();
}

}  // namespace ctrlelem
