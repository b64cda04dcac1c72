#include "language/packet.h"

#include <algorithm>
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

// The alternatives of Storage are listed in the order of Type's values.
__val::Type __val::type() const { return static_cast<Type>(value_.index()); }

namespace {
template <class T, class Storage>
std::optional<T> Get(const Storage& storage) {
  if (const T* held = std::get_if<T>(&storage)) return *held;
  return std::nullopt;
}
}  // namespace

std::optional<std::uint32_t> __val::u32() const { return Get<std::uint32_t>(value_); }
std::optional<std::int32_t> __val::i32() const { return Get<std::int32_t>(value_); }
std::optional<SIZE> __val::size() const { return Get<SIZE>(value_); }
std::optional<RECT> __val::rect() const { return Get<RECT>(value_); }
const std::wstring* __val::wstr() const { return std::get_if<std::wstring>(&value_); }
const std::string* __val::bytes() const { return std::get_if<std::string>(&value_); }

__val::operator __packet() const { return as_packet().value_or(__packet()); }

std::optional<__packet> __val::as_packet() const {
  const std::string* held = bytes();
  if (!held) return std::nullopt;
  return language::wire::Decode(*held);
}

bool operator==(const __val& a, const __val& b) { return a.key_ == b.key_ && a.value_ == b.value_; }

// ---- __packet ------------------------------------------------------------

__packet::__packet(int kind) : kind_(kind) {}

__packet& __packet::operator<<(const __val& value) {
  remval(value.key());
  if (!value.holds_nothing()) values_.push_back(value);
  return *this;
}

__packet& __packet::operator<(const __val& value) {
  if (value.holds_nothing()) {
    remval(value.key());
    return *this;
  }
  auto held = std::find_if(values_.begin(), values_.end(),
                           [&](const __val& v) { return v.key() == value.key(); });
  if (held != values_.end()) {
    *held = value;
  } else {
    values_.push_back(value);
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
  auto held =
      std::find_if(values_.begin(), values_.end(), [&](const __val& v) { return v.key() == key; });
  if (held != values_.end()) values_.erase(held);
}

bool __packet::receive(const unsigned char* bytes, unsigned long length) {
  if (length == 0 || bytes == nullptr) {
    *this = __packet();
    return length == 0;
  }
  std::optional<__packet> parsed =
      language::wire::Decode(std::string_view(reinterpret_cast<const char*>(bytes), length));
  *this = parsed ? std::move(*parsed) : __packet();
  return parsed.has_value();
}

const __val* __packet::find(int key) const {
  auto held =
      std::find_if(values_.begin(), values_.end(), [&](const __val& v) { return v.key() == key; });
  return held != values_.end() ? &*held : nullptr;
}

std::vector<int> __packet::keys() const {
  std::vector<int> keys;
  keys.reserve(values_.size());
  for (const __val& v : values_) keys.push_back(v.key());
  return keys;
}

bool operator==(const __packet& a, const __packet& b) {
  return a.kind_ == b.kind_ && a.values_ == b.values_;
}
