// The byte format of a serialised __packet, and its encoder and decoder.
//
// This is the one description of the format. It is little-endian throughout
// and deterministic: a packet has exactly one encoding, and bytes that decode
// re-encode to themselves.
//
// Header, 14 bytes:
//   offset  size  field
//   0       4     magic: the bytes 'C' 'E' 'P' 'K'
//   4       1     format version: 1
//   5       1     flags: bit 0 (kFlagHasKind) set when the packet has a kind;
//                 every other bit must be 0
//   6       4     kind, i32; must be 0 when the packet has no kind
//   10      4     count of entries, u32
// then `count` entries, one per value, in the packet's stored order, and
// nothing after the last entry.
//
// Entry: key (i32), type tag (u8), payload:
//   tag  type         payload
//   1    u32          4 bytes
//   2    i32          4 bytes
//   3    SIZE         cx, cy: i32 each (8 bytes)
//   4    RECT         left, top, right, bottom: i32 each (16 bytes)
//   5    wide string  u32 count of UTF-16 code units, then the units (u16 each)
//   6    byte string  u32 length, then the bytes
// The tags are the values of __val::Type. The smallest entry is 9 bytes.
//
// Wide strings are UTF-16 on the wire whatever the size of wchar_t. Where
// wchar_t is 32-bit, a character above U+FFFF is written as a surrogate pair
// and a valid pair is read back as one character; a lone surrogate travels as
// that unit unchanged in both directions; a value above U+10FFFF (or negative)
// cannot be written and becomes U+FFFD. So a text holding a high surrogate
// directly followed by a low one as two separate characters reads back as the
// one character they encode.
//
// The empty packet (no kind, no values) is the 14-byte header with count 0: it
// is distinct from the empty byte string, which is no packet at all.
//
// Nested packets are byte-string values holding the child's bytes; decoding
// one packet leaves them as bytes, so decoding never recurses. Code that walks
// nested packets recursively (a dump, a checker) must stop at
// kMaxNestingDepth levels; NestingDepth() measures a tree without recursion.
//
// Reading foreign bytes: every read is bounds-checked; a packet is accepted
// only when it is one complete, well-formed packet: right magic and version,
// no unknown flag bits, a zero kind when the flag is clear, known type tags,
// lengths within the input, no key twice, and no trailing bytes. The entry
// count is checked against the bytes left before anything is reserved, so no
// allocation exceeds a small multiple of the input size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "language/limits.h"
#include "language/packet.h"

// Internal to the packet library: the tests reach it through the static
// library, and the shared library does not export it.
namespace language::wire {

inline constexpr char kMagic[4] = {'C', 'E', 'P', 'K'};
inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::uint8_t kFlagHasKind = 0x01;
inline constexpr std::size_t kHeaderSize = 14;
inline constexpr std::size_t kMinEntrySize = 9;  // key, tag and a 4-byte payload

// Why bytes are not a packet, and at which byte offset that was found.
struct Error {
  std::size_t offset = 0;
  const char* reason = "";

  // "REASON at byte OFFSET".
  std::string message() const;
};

// Appends the packet's bytes to `out`.
void Encode(const __packet& packet, std::string& out);

// The packet held in `bytes`, or nothing when they are not one complete,
// well-formed packet. Nested packets stay byte strings.
std::optional<__packet> Decode(std::string_view bytes);

// Replaces the whole content of `packet` by the packet held in `bytes`, re-using
// the packet's memory (its values' strings) where it can; returns false and
// leaves the empty packet when they are not one complete, well-formed packet.
bool DecodeInto(std::string_view bytes, __packet& packet);

// What is wrong with `bytes` as a packet; nothing when they are one.
std::optional<Error> Verify(std::string_view bytes);

// Whether `bytes` are one complete, well-formed packet.
bool IsPacket(std::string_view bytes);

// How deep packets nest in `bytes`: 1 for a packet none of whose byte strings
// is itself a packet, one more per level of packets held in byte strings.
// Nothing when `bytes` are not a packet or the nesting goes deeper than
// `limit`. Walks with an explicit stack, so any depth of input is safe.
std::optional<int> NestingDepth(std::string_view bytes, int limit = kMaxNestingDepth);

}  // namespace language::wire
