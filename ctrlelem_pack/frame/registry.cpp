#include "frame/registry.h"

#include <limits>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <utility>

namespace ctrlelem {
namespace {

// Filled while InitPacketsLib runs, read by lookups. The contract has lookups
// wait for InitPacketsLib, but a host that calls it twice at once, or looks up
// while it runs, must not corrupt the map: writers take the lock exclusively,
// readers share it.
std::shared_mutex& Lock() {
  static std::shared_mutex lock;
  return lock;
}

std::map<ElementId, __packet>& Packets() {
  static std::map<ElementId, __packet> packets;
  return packets;
}

std::vector<ElementId>& Order() {
  static std::vector<ElementId> order;
  return order;
}

}  // namespace

bool Register(ElementId id, const __packet& packet) { return Register(id, __packet(packet)); }

bool Register(ElementId id, __packet&& packet) {
  const std::unique_lock lock(Lock());
  const bool filed = Packets().try_emplace(id, std::move(packet)).second;
  if (filed) Order().push_back(id);
  return filed;
}

__packet Lookup(unsigned long long id) {
  if (id > std::numeric_limits<ElementId>::max()) return __packet();
  const std::shared_lock lock(Lock());
  const auto& packets = Packets();
  const auto found = packets.find(static_cast<ElementId>(id));
  return found == packets.end() ? __packet() : found->second;
}

std::vector<ElementId> RegisteredIds() {
  const std::shared_lock lock(Lock());
  std::vector<ElementId> ids;
  ids.reserve(Packets().size());
  for (const auto& [id, packet] : Packets()) ids.push_back(id);
  return ids;
}

std::vector<ElementId> RegistrationOrder() {
  const std::shared_lock lock(Lock());
  return Order();
}

std::size_t RegisteredCount() {
  const std::shared_lock lock(Lock());
  return Packets().size();
}

void ResetRegistry() {
  const std::unique_lock lock(Lock());
  Packets().clear();
  Order().clear();
}

}  // namespace ctrlelem
