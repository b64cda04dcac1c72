// Any bytes given to receive: never a crash, and what is accepted is the one
// encoding of the packet it gives (it serialises back to the same bytes).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "language/packet.h"
#include "wire_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  __packet packet(7);
  const bool accepted = packet.receive(data, size);
  if (accepted != (size == 0 || language::wire::IsPacket(bytes))) std::abort();
  if (!accepted && !packet.empty()) std::abort();  // nothing half-parsed
  if (accepted && size > 0 && packet.data() != bytes) std::abort();
  for (const __val& value : packet.values()) {
    if (const auto nested = value.as_packet()) {
      if (nested->data() != *value.bytes()) std::abort();
    }
  }
  language::wire::NestingDepth(bytes);
  return 0;
}
