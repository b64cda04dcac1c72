#include "wire_format.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "utf.h"

// Fills decoded packets without the per-value key search of operator<<: the
// decoder has already rejected duplicate keys. Values are written over the
// packet's old ones where there are some, so their strings' memory is re-used.
struct language::wire::PacketAccess {
  static void Start(__packet& packet, std::optional<int> kind, std::size_t count) {
    packet.kind_ = kind;
    packet.index_.clear();
    if (packet.values_.size() > count) {
      packet.values_.erase(packet.values_.begin() + static_cast<std::ptrdiff_t>(count),
                           packet.values_.end());
    }
    packet.values_.reserve(count);
  }
  // The value at `position`, which is at most the count of values so far.
  static __val& Slot(__packet& packet, std::size_t position, int key) {
    if (position == packet.values_.size()) packet.values_.emplace_back();
    __val& slot = packet.values_[position];
    slot.key_ = key;
    return slot;
  }
  template <class T>
  static T& Holding(__val& value) {
    if (T* held = std::get_if<T>(&value.value_)) return *held;
    return value.value_.template emplace<T>();
  }
  template <class T>
  static void Set(__val& value, T v) {
    value.value_ = v;
  }
  static void Finish(__packet& packet) { packet.Reindex(); }
};

namespace language::wire {
namespace {

using Type = __val::Type;

constexpr bool kWideCharIs16Bit = sizeof(wchar_t) == 2;

// ---- Reading -----------------------------------------------------------

// Little-endian loads from bytes already known to be in range.
std::uint32_t LoadU32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t{u[0]} | std::uint32_t{u[1]} << 8 | std::uint32_t{u[2]} << 16 |
         std::uint32_t{u[3]} << 24;
}
std::int32_t LoadI32(const char* p) { return static_cast<std::int32_t>(LoadU32(p)); }
std::uint16_t LoadU16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(u[0] | u[1] << 8);
}

// A cursor over foreign bytes; every read checks what is left first.
class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}

  std::size_t offset() const { return pos_; }
  std::size_t left() const { return in_.size() - pos_; }

  bool Take(std::size_t n, std::string_view& out) {
    if (n > left()) return false;
    out = in_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  bool U8(std::uint8_t& out) {
    if (left() < 1) return false;
    out = static_cast<std::uint8_t>(in_[pos_++]);
    return true;
  }
  bool U32(std::uint32_t& out) {
    if (left() < 4) return false;
    out = LoadU32(in_.data() + pos_);
    pos_ += 4;
    return true;
  }
  bool I32(std::int32_t& out) {
    std::uint32_t u = 0;
    if (!U32(u)) return false;
    out = static_cast<std::int32_t>(u);
    return true;
  }

 private:
  std::string_view in_;
  std::size_t pos_ = 0;
};

struct Header {
  bool has_kind = false;
  std::int32_t kind = 0;
  std::uint32_t count = 0;
};

// One entry as it lies in the bytes. For strings the payload is what follows
// the length prefix: the UTF-16 units or the bytes.
struct RawEntry {
  std::int32_t key = 0;
  Type type = Type::none;
  std::string_view payload;
};

// Payload size of the fixed-size types, indexed by tag; 0 for the others.
constexpr std::size_t kFixedPayload[] = {0, 4, 4, 8, 16, 0, 0};
constexpr std::uint8_t kLastTag = static_cast<std::uint8_t>(Type::bytes);

// The offset of the later entry of a key stored twice, if any. Sorting keeps
// this n log n on hostile counts.
std::optional<std::size_t> FindRepeatedKey(
    std::vector<std::pair<std::int32_t, std::size_t>>& keys) {
  std::sort(keys.begin(), keys.end());
  auto repeat = std::adjacent_find(keys.begin(), keys.end(),
                                   [](const auto& a, const auto& b) { return a.first == b.first; });
  if (repeat == keys.end()) return std::nullopt;
  return std::next(repeat)->second;
}

// The size of an entry's payload and length prefix, from the bytes after its
// tag; nothing when the tag is unknown. Only for entries already checked.
std::size_t CheckedPayloadSize(Type type, const char* after_tag) {
  if (type == Type::wstr) return 4 + 2 * std::size_t{LoadU32(after_tag)};
  if (type == Type::bytes) return 4 + std::size_t{LoadU32(after_tag)};
  return kFixedPayload[static_cast<std::size_t>(type)];
}

// Every entry's key with its offset, for entries already checked: the
// repeated-key check of packets whose keys are not ascending. Keys ascending
// (the common case) cannot repeat and never come here.
std::vector<std::pair<std::int32_t, std::size_t>> CheckedKeys(std::string_view bytes,
                                                              std::uint32_t count) {
  std::vector<std::pair<std::int32_t, std::size_t>> keys;
  keys.reserve(count);
  std::size_t at = kHeaderSize;
  for (std::uint32_t i = 0; i < count; ++i) {
    keys.emplace_back(LoadI32(bytes.data() + at), at);
    const auto type = static_cast<Type>(static_cast<std::uint8_t>(bytes[at + 4]));
    at += 5 + CheckedPayloadSize(type, bytes.data() + at + 5);
  }
  return keys;
}

// Checks the whole of `bytes` as one packet, handing the header and then each
// entry to the callbacks as it goes. On failure the callbacks may have seen a
// prefix of the entries; callers discard what they built from them.
template <class OnHeader, class OnEntry>
std::optional<Error> Scan(std::string_view bytes, OnHeader&& on_header, OnEntry&& on_entry) {
  Reader in(bytes);
  auto fail = [&](const char* reason) { return Error{in.offset(), reason}; };

  if (bytes.size() < kHeaderSize) return Error{bytes.size(), "shorter than the packet header"};
  // The header's reads cannot fail now.
  std::string_view magic;
  in.Take(4, magic);
  if (magic != std::string_view(kMagic, 4)) return Error{0, "not a packet (bad magic)"};
  std::uint8_t version = 0;
  std::uint8_t flags = 0;
  in.U8(version);
  if (version != kVersion) return Error{4, "unknown format version"};
  in.U8(flags);
  if ((flags & ~kFlagHasKind) != 0) return Error{5, "unknown flag bits"};
  Header header;
  header.has_kind = (flags & kFlagHasKind) != 0;
  in.I32(header.kind);
  if (!header.has_kind && header.kind != 0) return Error{6, "kind given without the kind flag"};
  in.U32(header.count);
  if (header.count > in.left() / kMinEntrySize) {
    return Error{10, "entry count larger than the bytes left can hold"};
  }
  on_header(header);

  bool ascending = true;
  std::int32_t previous_key = 0;
  for (std::uint32_t i = 0; i < header.count; ++i) {
    RawEntry entry;
    std::uint8_t tag = 0;
    if (!in.I32(entry.key) || !in.U8(tag)) return fail("truncated entry");
    if (tag == 0 || tag > kLastTag) return Error{in.offset() - 1, "unknown type tag"};
    entry.type = static_cast<Type>(tag);
    std::size_t payload_size = kFixedPayload[tag];
    if (entry.type == Type::wstr || entry.type == Type::bytes) {
      std::uint32_t length = 0;
      if (!in.U32(length)) return fail("truncated string length");
      const std::size_t unit_size = entry.type == Type::wstr ? 2 : 1;
      // Divide rather than multiply, so a length near 2^32 cannot wrap.
      if (length > in.left() / unit_size) {
        return Error{in.offset() - 4, "string length past the end"};
      }
      payload_size = std::size_t{length} * unit_size;
    }
    if (!in.Take(payload_size, entry.payload)) return fail("truncated value");
    if (i > 0 && entry.key <= previous_key) ascending = false;
    previous_key = entry.key;
    on_entry(entry);
  }
  if (in.left() != 0) return fail("trailing bytes after the last entry");
  if (!ascending) {
    auto keys = CheckedKeys(bytes, header.count);
    if (auto repeat = FindRepeatedKey(keys)) return Error{*repeat, "key stored twice"};
  }
  return std::nullopt;
}

// Decodes UTF-16 units into `text`, re-using its memory.
void DecodeUtf16(std::string_view units, std::wstring& text) {
  const std::size_t n = units.size() / 2;
  text.resize(n);
  std::size_t out = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t unit = LoadU16(units.data() + 2 * i);
    if constexpr (!kWideCharIs16Bit) {
      if (IsHighSurrogate(unit) && i + 1 < n) {
        const std::uint32_t next = LoadU16(units.data() + 2 * (i + 1));
        if (IsLowSurrogate(next)) {
          text[out++] = static_cast<wchar_t>(CombineSurrogates(unit, next));
          ++i;
          continue;
        }
      }
    }
    text[out++] = static_cast<wchar_t>(unit);
  }
  text.resize(out);  // shorter only where pairs were joined
}

// Writes the entry's value over `value`.
void DecodeValue(const RawEntry& entry, __val& value) {
  const char* p = entry.payload.data();
  switch (entry.type) {
    case Type::u32:
      PacketAccess::Set(value, LoadU32(p));
      break;
    case Type::i32:
      PacketAccess::Set(value, LoadI32(p));
      break;
    case Type::size:
      PacketAccess::Set(value, SIZE{LoadI32(p), LoadI32(p + 4)});
      break;
    case Type::rect:
      PacketAccess::Set(value, RECT{LoadI32(p), LoadI32(p + 4), LoadI32(p + 8), LoadI32(p + 12)});
      break;
    case Type::wstr:
      DecodeUtf16(entry.payload, PacketAccess::Holding<std::wstring>(value));
      break;
    case Type::bytes:
      PacketAccess::Holding<std::string>(value).assign(entry.payload);
      break;
    case Type::none:
      break;  // not reached: Scan admits only the tags above
  }
}

// ---- Writing -----------------------------------------------------------

// What a character becomes on the wire where wchar_t is 32-bit.
std::uint32_t WireCodePoint(wchar_t c) {
  const auto code = static_cast<std::uint32_t>(c);
  return code > 0x10FFFF ? 0xFFFD : code;
}

std::size_t Utf16Units(const std::wstring& text) {
  if constexpr (kWideCharIs16Bit) {
    return text.size();
  } else {
    std::size_t units = text.size();
    for (wchar_t c : text) units += WireCodePoint(c) > 0xFFFF ? 1 : 0;
    return units;
  }
}

std::size_t EncodedSize(const __packet& packet) {
  std::size_t size = kHeaderSize;
  for (const __val& value : packet.values()) {
    size += 5;  // key and tag
    const auto tag = static_cast<std::size_t>(value.type());
    if (const std::wstring* text = value.wstr()) {
      size += 4 + 2 * Utf16Units(*text);
    } else if (const std::string* bytes = value.bytes()) {
      size += 4 + bytes->size();
    } else {
      size += kFixedPayload[tag];
    }
  }
  return size;
}

// Little-endian stores appended to a string whose capacity is reserved
// beforehand. Small fields gather in a staging buffer; long byte strings go
// straight to the string, so the output is written once, never zero-filled.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  ~Writer() { Flush(); }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void U8(std::uint8_t v) {
    Room(1);
    staged_[used_++] = static_cast<char>(v);
  }
  void U16(std::uint16_t v) {
    Room(2);
    Store(v, 2);
  }
  void U32(std::uint32_t v) {
    Room(4);
    Store(v, 4);
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Raw(const std::string& bytes) {
    if (bytes.size() <= kDirectFrom) {
      Room(bytes.size());
      std::copy(bytes.begin(), bytes.end(), staged_ + used_);
      used_ += bytes.size();
      return;
    }
    Flush();
    out_.append(bytes);
  }
  void Utf16(const std::wstring& text) {
    // In runs that fit the staging buffer even if every character needs a
    // surrogate pair, so the inner loop checks no room: texts may be long.
    constexpr std::size_t kMaxUnitBytes = 4;
    for (std::size_t i = 0; i < text.size();) {
      if (kStaging - used_ < kMaxUnitBytes) Flush();
      const std::size_t end = std::min(text.size(), i + (kStaging - used_) / kMaxUnitBytes);
      for (; i < end; ++i) {
        const wchar_t c = text[i];
        const std::uint32_t code =
            kWideCharIs16Bit ? static_cast<std::uint16_t>(c) : WireCodePoint(c);
        if (code > 0xFFFF) {
          const SurrogatePair pair = SplitIntoSurrogates(code);
          Store(pair.high, 2);
          Store(pair.low, 2);
        } else {
          Store(code, 2);
        }
      }
    }
  }
  void Flush() {
    out_.append(staged_, used_);
    used_ = 0;
  }

 private:
  static constexpr std::size_t kStaging = 1024;
  static constexpr std::size_t kDirectFrom = 256;  // longer byte strings skip the staging

  void Room(std::size_t n) {
    if (used_ + n > kStaging) Flush();
  }
  void Store(std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) staged_[used_++] = static_cast<char>(v >> (8 * i));
  }

  std::string& out_;
  char staged_[kStaging];
  std::size_t used_ = 0;
};

void EncodeValue(const __val& value, Writer& out) {
  out.I32(value.key());
  out.U8(static_cast<std::uint8_t>(value.type()));
  switch (value.type()) {
    case Type::u32:
      out.U32(*value.u32());
      break;
    case Type::i32:
      out.I32(*value.i32());
      break;
    case Type::size: {
      const SIZE s = *value.size();
      out.I32(s.cx);
      out.I32(s.cy);
      break;
    }
    case Type::rect: {
      const RECT r = *value.rect();
      out.I32(r.left);
      out.I32(r.top);
      out.I32(r.right);
      out.I32(r.bottom);
      break;
    }
    case Type::wstr:
      out.U32(static_cast<std::uint32_t>(Utf16Units(*value.wstr())));
      out.Utf16(*value.wstr());
      break;
    case Type::bytes:
      out.U32(static_cast<std::uint32_t>(value.bytes()->size()));
      out.Raw(*value.bytes());
      break;
    case Type::none:
      break;  // a packet never holds such a value
  }
}

}  // namespace

std::string Error::message() const {
  return std::string(reason) + " at byte " + std::to_string(offset);
}

void Encode(const __packet& packet, std::string& out) {
  out.reserve(out.size() + EncodedSize(packet));
  Writer writer(out);
  for (char c : kMagic) writer.U8(static_cast<std::uint8_t>(c));
  writer.U8(kVersion);
  writer.U8(packet.has_kind() ? kFlagHasKind : 0);
  writer.I32(packet.kind().value_or(0));
  writer.U32(static_cast<std::uint32_t>(packet.size()));
  for (const __val& value : packet.values()) EncodeValue(value, writer);
}

bool DecodeInto(std::string_view bytes, __packet& packet) {
  std::size_t filled = 0;
  auto on_header = [&](const Header& header) {
    PacketAccess::Start(packet, header.has_kind ? std::optional<int>(header.kind) : std::nullopt,
                        header.count);
  };
  auto on_entry = [&](const RawEntry& entry) {
    DecodeValue(entry, PacketAccess::Slot(packet, filled++, entry.key));
  };
  if (Scan(bytes, on_header, on_entry)) {
    packet = __packet();
    return false;
  }
  PacketAccess::Finish(packet);
  return true;
}

std::optional<__packet> Decode(std::string_view bytes) {
  __packet packet;
  if (!DecodeInto(bytes, packet)) return std::nullopt;
  return packet;
}

std::optional<Error> Verify(std::string_view bytes) {
  return Scan(
      bytes, [](const Header&) {}, [](const RawEntry&) {});
}

bool IsPacket(std::string_view bytes) { return !Verify(bytes); }

std::optional<int> NestingDepth(std::string_view bytes, int limit) {
  // Each candidate is a byte string with the level it would have as a packet.
  // A candidate that is not a packet is plain bytes and ends its branch. Each
  // byte of the input is read as entry structure at one level only, so the
  // walk is linear in the input, however deep it nests.
  std::vector<std::pair<std::string_view, int>> pending{{bytes, 1}};
  int deepest = 0;
  while (!pending.empty()) {
    const auto [candidate, level] = pending.back();
    pending.pop_back();
    std::vector<std::string_view> children;
    auto on_entry = [&](const RawEntry& entry) {
      if (entry.type == Type::bytes) children.push_back(entry.payload);
    };
    if (Scan(
            candidate, [](const Header&) {}, on_entry)) {
      if (level == 1) return std::nullopt;  // the outermost bytes must be a packet
      continue;
    }
    if (level > limit) return std::nullopt;
    deepest = std::max(deepest, level);
    for (std::string_view child : children) pending.emplace_back(child, level + 1);
  }
  return deepest;
}

}  // namespace language::wire
