// Reading helpers for the main window family's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "frame/display_scale.h"
#include "language/packet.h"
#include "screen/scripted_screen.h"

namespace main_family_test {

// The packet nested under the key; fails the test when there is none.
inline __packet Nested(const __packet& parent, int key) {
  std::optional<__packet> nested = parent[key].as_packet();
  EXPECT_TRUE(nested.has_value()) << "no packet under key " << key;
  return nested.value_or(__packet());
}

// Follows a path of keys down through nested packets.
inline __packet At(const __packet& root, std::initializer_list<int> path) {
  __packet current = root;
  for (int key : path) current = Nested(current, key);
  return current;
}

inline std::uint32_t U32(const __packet& packet, int key) {
  return packet[key].u32().value_or(0xDEADBEEF);
}

inline std::wstring Text(const __packet& packet, int key) {
  const __val value = packet[key];
  return value.wstr() != nullptr ? *value.wstr() : L"<no text>";
}

// A scripted screen at the given resolutions, with the display scale computed
// from it; the previous screen comes back when the object dies.
class ScreenAt {
 public:
  ScreenAt(int dpi_x, int dpi_y) : installed_(Make(dpi_x, dpi_y)) {
    ctrlelem::ComputeDisplayScale();
  }

 private:
  static std::shared_ptr<screen::ScriptedScreen> Make(int dpi_x, int dpi_y) {
    auto fake = std::make_shared<screen::ScriptedScreen>();
    fake->dpi_x = dpi_x;
    fake->dpi_y = dpi_y;
    return fake;
  }
  screen::ScopedScreen installed_;
};

}  // namespace main_family_test
