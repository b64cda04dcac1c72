// Reading description packets in tests. A read whose key is absent, or holds a
// value of another type, fails the test with a message naming the key, at the
// line of the test that made it, and gives the empty value of its type.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "language/packet.h"
#include "language/strings.h"

// gtest prints rectangles and sizes through these when a comparison fails.
inline void PrintTo(const RECT& rect, std::ostream* out) {
  *out << "RECT{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
       << "}";
}
inline void PrintTo(const SIZE& size, std::ostream* out) {
  *out << "SIZE{" << size.cx << ", " << size.cy << "}";
}

namespace test_support {

// The test line that made a read, filled in at the call.
struct Here {
  const char* file = __builtin_FILE();
  int line = __builtin_LINE();
};

namespace detail {
template <class T>
T Read(std::optional<T> value, const char* what, int key, Here here) {
  if (!value) ADD_FAILURE_AT(here.file, here.line) << "no " << what << " under key " << key;
  return std::move(value).value_or(T{});
}
}  // namespace detail

// The packet nested under the key.
inline __packet Nested(const __packet& packet, int key, Here here = {}) {
  return detail::Read(packet[key].as_packet(), "packet", key, here);
}

// Walks down a path of keys: At(window, {10, 1, 8}) is key 8 of child 1 of the
// window's container. Every key of the path past a missing packet fails too.
inline __packet At(__packet packet, std::initializer_list<int> path, Here here = {}) {
  for (int key : path) packet = Nested(packet, key, here);
  return packet;
}

inline std::uint32_t U32(const __packet& packet, int key, Here here = {}) {
  return detail::Read(packet[key].u32(), "u32", key, here);
}
inline RECT Rect(const __packet& packet, int key, Here here = {}) {
  return detail::Read(packet[key].rect(), "rectangle", key, here);
}
inline SIZE Size(const __packet& packet, int key, Here here = {}) {
  return detail::Read(packet[key].size(), "size", key, here);
}
inline std::wstring Wide(const __packet& packet, int key, Here here = {}) {
  const __val value = packet[key];
  const std::wstring* text = value.wstr();
  return detail::Read(text ? std::optional(*text) : std::nullopt, "wide string", key, here);
}

// String `id` of a string table (1 or 2) in the current language; an id the
// table lacks fails the test.
inline std::wstring Str(int id, int table = 1, Here here = {}) {
  std::wstring text = LoadResourceString(id, table, 0);
  if (text.empty())
    ADD_FAILURE_AT(here.file, here.line) << "no string " << id << " in table " << table;
  return text;
}

// The keys 1 to n, as a container of n children holds them.
inline std::vector<int> KeysUpTo(int n) {
  std::vector<int> keys;
  for (int key = 1; key <= n; ++key) keys.push_back(key);
  return keys;
}

}  // namespace test_support
