#include "language/packet.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "wire_format.h"

// ---- __val ---------------------------------------------------------------

__val::__val(int key, int value) : key_(key), value_(std::int32_t{value}) {}
// Values are 32-bit: where unsigned long is wider, only its low bits are kept.
__val::__val(int key, unsigned long value) : key_(key), value_(static_cast<std::uint32_t>(value)) {}
__val::__val(int key, unsigned int value) : key_(key), value_(std::uint32_t{value}) {}
__val::__val(int key, SIZE value) : key_(key), value_(value) {}
__val::__val(int key, RECT value) : key_(key), value_(value) {}
__val::__val(int key, std::string bytes)
    : key_(key), value_(std::in_place_type<std::string>, std::move(bytes)) {}
__val::__val(int key, std::wstring text)
    : key_(key), value_(std::in_place_type<std::wstring>, std::move(text)) {}
__val::__val(int key, const wchar_t* text)
    : key_(key), value_(std::in_place_type<std::wstring>, text ? text : L"") {}

__val::operator __packet() const { return as_packet().value_or(__packet()); }

std::optional<__packet> __val::as_packet() const {
  const std::string* held = bytes();
  if (!held) return std::nullopt;
  return language::wire::Decode(*held);
}

bool operator==(const __val& a, const __val& b) { return a.key_ == b.key_ && a.value_ == b.value_; }

// ---- __packet ------------------------------------------------------------

__packet::__packet(int kind) : kind_(kind) {}

__packet& __packet::operator<<(const __val& value) { return *this << __val(value); }

__packet& __packet::operator<<(__val&& value) {
  const std::size_t held = Position(value.key());
  if (held != values_.size()) Erase(held);
  if (!value.holds_nothing()) Append(std::move(value));
  return *this;
}

__packet& __packet::operator<(const __val& value) { return *this < __val(value); }

__packet& __packet::operator<(__val&& value) {
  const std::size_t held = Position(value.key());
  if (value.holds_nothing()) {
    if (held != values_.size()) Erase(held);
  } else if (held != values_.size()) {
    values_[held] = std::move(value);
  } else {
    Append(std::move(value));
  }
  return *this;
}

std::string __packet::data() const {
  std::string bytes;
  language::wire::Encode(*this, bytes);
  return bytes;
}

__val __packet::operator[](int key) const {
  if (const __val* held = find(key)) return *held;
  return __val(key);
}

void __packet::remval(int key) {
  const std::size_t held = Position(key);
  if (held != values_.size()) Erase(held);
}

bool __packet::receive(const unsigned char* bytes, unsigned long length) {
  if (length == 0 || bytes == nullptr) {
    *this = __packet();
    return length == 0;
  }
  const std::string_view in(reinterpret_cast<const char*>(bytes), length);
  // Decoding over the old values re-uses their memory, unless the bytes are
  // one of those values (a caller passing find(k)->bytes()->data()).
  if (!HoldsMemory(in)) return language::wire::DecodeInto(in, *this);
  __packet parsed;
  const bool ok = language::wire::DecodeInto(in, parsed);
  *this = std::move(parsed);
  return ok;
}

bool __packet::HoldsMemory(std::string_view bytes) const {
  const std::less<const void*> before;
  const auto overlaps = [&](const void* begin, std::size_t size) {
    const auto* first = static_cast<const char*>(begin);
    return before(bytes.data(), first + size) && before(first, bytes.data() + bytes.size());
  };
  return std::any_of(values_.begin(), values_.end(), [&](const __val& value) {
    if (const std::string* held = value.bytes()) return overlaps(held->data(), held->size());
    if (const std::wstring* text = value.wstr()) {
      return overlaps(text->data(), text->size() * sizeof(wchar_t));
    }
    return false;
  });
}

const __val* __packet::find(int key) const {
  const std::size_t held = Position(key);
  return held != values_.size() ? &values_[held] : nullptr;
}

std::vector<int> __packet::keys() const {
  std::vector<int> keys;
  keys.reserve(values_.size());
  for (const __val& v : values_) keys.push_back(v.key());
  return keys;
}

// ---- The key index -------------------------------------------------------

namespace {

// The first slot to probe for a key in a table of `mask` + 1 slots: the high
// bits of a multiplicative hash, so that keys in steps (1, 2, 3 or 10, 20,
// 30) spread over the table.
std::size_t FirstSlot(int key, std::size_t mask) {
  const std::uint64_t mixed =
      static_cast<std::uint64_t>(static_cast<std::uint32_t>(key)) * 0x9E3779B97F4A7C15ull;
  return static_cast<std::size_t>(mixed >> 32) & mask;
}

}  // namespace

std::size_t __packet::Position(int key) const {
  if (index_.empty()) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (values_[i].key_ == key) return i;
    }
    return values_.size();
  }
  const std::size_t mask = index_.size() - 1;
  for (std::size_t slot = FirstSlot(key, mask);; slot = (slot + 1) & mask) {
    const std::uint32_t entry = index_[slot];
    if (entry == 0) return values_.size();
    if (values_[entry - 1].key_ == key) return entry - 1;
  }
}

void __packet::Append(__val&& value) {
  // Most packets hold a handful of values: start with room for several
  // rather than growing one, two, four.
  if (values_.capacity() == 0) values_.reserve(kFirstCapacity);
  values_.push_back(std::move(value));
  const std::size_t n = values_.size();
  if (n < kIndexFrom) return;
  if (2 * n > index_.size()) {
    Reindex();  // first built, or grown to stay at most half full
    return;
  }
  const std::size_t mask = index_.size() - 1;
  std::size_t slot = FirstSlot(values_.back().key_, mask);
  while (index_[slot] != 0) slot = (slot + 1) & mask;
  index_[slot] = static_cast<std::uint32_t>(n);
}

void __packet::Erase(std::size_t position) {
  values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(position));
  // Every later value moved: the positions are stale either way.
  Reindex();
}

void __packet::Reindex() {
  const std::size_t n = values_.size();
  if (n < kIndexFrom) {
    index_.clear();
    index_.shrink_to_fit();
    return;
  }
  std::size_t slots = 2 * kIndexFrom;
  while (slots < 2 * n) slots *= 2;
  index_.assign(slots, 0);
  const std::size_t mask = slots - 1;
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t slot = FirstSlot(values_[i].key_, mask);
    while (index_[slot] != 0) slot = (slot + 1) & mask;
    index_[slot] = static_cast<std::uint32_t>(i + 1);
  }
}

bool operator==(const __packet& a, const __packet& b) {
  return a.kind_ == b.kind_ && a.values_ == b.values_;
}
