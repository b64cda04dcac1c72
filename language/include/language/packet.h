// The packet classes shared by the description library and its host.
//
// A __packet is an ordered bag of keyed values (__val). Keys are ints, a packet
// holds at most one value per key, and keys keep the order in which they were
// first stored; that order is visible in data() and in every listing. A packet
// may carry an element kind (the int given to its constructor) or none.
//
// Values are 32-bit: an unsigned long given on an LP64 platform is stored as its
// low 32 bits. Nested packets travel as byte strings (the child's data()).
//
// The byte format of data() is documented in docs/wire-format.md (installed in
// share/ctrlelem_pack/docs/).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "language/export.h"
#include "language/win_types.h"

class __packet;

namespace language::wire {
struct PacketAccess;  // the decoder's way to fill a packet (wire_format.cpp)
}

// One keyed value. Construct it from the key and one of the value types; the
// constructor chosen fixes the stored type (int gives a signed value, unsigned
// long or unsigned int an unsigned one).
class LANGUAGE_API __val {
 public:
  // The stored type. None means the value holds nothing (operator[] of an
  // absent key returns such a value).
  enum class Type : std::uint8_t {
    none = 0,
    u32 = 1,
    i32 = 2,
    size = 3,
    rect = 4,
    wstr = 5,
    bytes = 6
  };

  __val() = default;  // key 0, holds nothing
  __val(int key, int value);
  __val(int key, unsigned long value);  // stored as its low 32 bits
  __val(int key, unsigned int value);
  __val(int key, SIZE value);
  __val(int key, RECT value);
  __val(int key, std::string bytes);  // a nested packet's data(), or any bytes
  __val(int key, std::wstring text);
  __val(int key, const wchar_t* text);  // a null pointer stores the empty text

  int key() const { return key_; }
  // The alternatives of Storage are listed in the order of Type's values.
  Type type() const { return static_cast<Type>(value_.index()); }
  bool holds_nothing() const { return type() == Type::none; }

  // Typed reads: the value when it has that type, nothing otherwise.
  std::optional<std::uint32_t> u32() const { return Get<std::uint32_t>(); }
  std::optional<std::int32_t> i32() const { return Get<std::int32_t>(); }
  std::optional<SIZE> size() const { return Get<SIZE>(); }
  std::optional<RECT> rect() const { return Get<RECT>(); }
  // Null unless the value is a wide string.
  const std::wstring* wstr() const { return std::get_if<std::wstring>(&value_); }
  // Null unless the value is a byte string.
  const std::string* bytes() const { return std::get_if<std::string>(&value_); }

  // The nested packet held as a byte string. A value that is not a byte string,
  // or whose bytes are not one complete, well-formed packet, gives the empty
  // packet; as_packet() tells the two cases apart.
  operator __packet() const;
  std::optional<__packet> as_packet() const;

  friend LANGUAGE_API bool operator==(const __val& a, const __val& b);

 private:
  friend class __packet;
  friend struct language::wire::PacketAccess;
  explicit __val(int key) : key_(key) {}  // holds nothing under the key

  template <class T>
  std::optional<T> Get() const {
    if (const T* held = std::get_if<T>(&value_)) return *held;
    return std::nullopt;
  }

  using Storage = std::variant<std::monostate, std::uint32_t, std::int32_t, SIZE, RECT,
                               std::wstring, std::string>;
  int key_ = 0;
  Storage value_;
};

// A keyed collection of values with an optional element kind.
class LANGUAGE_API __packet {
 public:
  __packet() = default;         // no kind, no values: the empty packet
  explicit __packet(int kind);  // a packet of this element kind

  // Adds the value. A key not yet present goes last; a key already present is
  // removed from its place and stored last with the new value, so a packet
  // never holds two values under one key.
  __packet& operator<<(const __val& value);
  __packet& operator<<(__val&& value);  // moves the value (and a nested packet's bytes) in
  // Sets the value: replaces the value under the same key where it stands, or
  // adds it last when the key is absent.
  __packet& operator<(const __val& value);
  __packet& operator<(__val&& value);
  // With either operator, a value that holds nothing removes its key: a packet
  // never stores "nothing", so copying other[key] into a packet copies the
  // key's absence too.
  //
  // Cost: adding a new key, setting a key and finding one take constant time
  // on average, however many values the packet holds; removing a key, or
  // adding one that is present (which moves it last), shifts the values
  // stored after it.

  // The packet serialised (wire_format.h). Equal packets give equal bytes.
  std::string data() const;

  // A copy of the value under the key, or a value that holds nothing.
  __val operator[](int key) const;

  // Removes the value under the key; an absent key is no error.
  void remval(int key);

  // Replaces the whole content (kind and values) by the packet serialised in
  // the bytes. Length 0 empties the packet and returns true. Bytes that are not
  // one complete, well-formed packet leave the empty packet and give false;
  // a null pointer with a non-zero length counts as such.
  bool receive(const unsigned char* bytes, unsigned long length);

  // Reading API.
  std::optional<int> kind() const { return kind_; }
  bool has_kind() const { return kind_.has_value(); }
  bool has(int key) const { return find(key) != nullptr; }
  const __val* find(int key) const;                             // null when the key is absent
  std::vector<int> keys() const;                                // in stored order
  const std::vector<__val>& values() const { return values_; }  // in stored order
  std::size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty() && !kind_; }  // the default-constructed state

  friend LANGUAGE_API bool operator==(const __packet& a, const __packet& b);

 private:
  friend struct language::wire::PacketAccess;

  // Packets with at least this many values keep an index of their keys;
  // smaller ones are searched directly, which is faster there and keeps
  // copies cheap.
  static constexpr std::size_t kIndexFrom = 64;
  static constexpr std::size_t kFirstCapacity = 8;

  std::size_t Position(int key) const;             // values_.size() when the key is absent
  bool HoldsMemory(std::string_view bytes) const;  // whether the bytes lie in a value
  void Append(__val&& value);
  void Erase(std::size_t position);
  void Reindex();

  std::optional<int> kind_;
  std::vector<__val> values_;
  // Open addressing over the keys of values_: each slot holds a position in
  // values_ plus one, or 0 when free. Empty while the packet is small; at
  // most half full otherwise.
  std::vector<std::uint32_t> index_;
};
