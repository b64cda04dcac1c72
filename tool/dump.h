// The two forms of the dump: a tree for people, a JSON document for tools.
#pragma once

#include <cstdint>
#include <iosfwd>
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

// {"kind": K or null, "values": [{"key": N, "type": T, "value": V}, ...]},
// written as the value the writer expects next.
void WritePacketJson(JsonWriter& out, const __packet& packet, int depth = 0);

// The packet's JSON alone, as one document.
std::string PacketJson(const __packet& packet);

// {"descriptions": [{"id": N, "packet": PACKET}, ...]}, written to the stream
// one description at a time: memory does not grow with the number of ids.
class JsonDump {
 public:
  explicit JsonDump(std::ostream& out);
  void Add(const Described& description);
  // Closes the document; false when the stream failed.
  bool Finish();

 private:
  JsonWriter writer_;
};

// The indented tree for people: kinds by name, keys with their meaning,
// colours as 0x00BBGGRR with their channels, nested packets unfolded. Each description is handed to
// the stream once written.
class TextDump {
 public:
  explicit TextDump(std::ostream& out) : out_(out) {}
  void Add(const Described& description);
  // False when the stream failed.
  bool Finish();

 private:
  std::ostream& out_;
};

// The tree of the descriptions as one string.
std::string DumpText(std::span<const Described> descriptions);

}  // namespace ctrlelem_tool
