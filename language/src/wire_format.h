// The byte format of a serialised __packet, and its encoder and decoder.
//
// The format is published in docs/wire-format.md, which is its reference:
// hosts of other languages write their readers from it, so a change here is a
// change of that document (and of the format version). In short: a 14-byte
// header (magic "CEPK", version 1, flags with bit 0 kFlagHasKind, i32 kind,
// u32 count of entries), then per value its i32 key, a u8 type tag (the values
// of __val::Type: 1 u32, 2 i32, 3 SIZE, 4 RECT, 5 wide string as a u32 count
// of UTF-16 units and the units, 6 byte string as a u32 length and the bytes),
// and its payload; little-endian throughout, nothing after the last entry. It
// is deterministic: bytes that decode re-encode to themselves.
//
// Wide strings are UTF-16 on the wire whatever the size of wchar_t. Where
// wchar_t is 32-bit, a character above U+FFFF is written as a surrogate pair
// and a valid pair is read back as one character; a lone surrogate travels as
// that unit unchanged in both directions; a value above U+10FFFF (or negative)
// cannot be written and becomes U+FFFD.
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
