#include "description_paths.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace ctrlelem_view {
namespace {

namespace schema = ctrlelem::schema;

constexpr std::string_view kSeparator = " > ";

// The keys of a path's steps after the id ("key 10 > child 5": 10, 5);
// nothing when a step does not end in a number.
std::optional<std::vector<int>> StepKeys(std::string_view path) {
  std::vector<int> keys;
  std::size_t at = path.find(kSeparator);
  while (at != std::string_view::npos) {
    const std::size_t start = at + kSeparator.size();
    const std::size_t next = path.find(kSeparator, start);
    const std::string_view step =
        path.substr(start, next == std::string_view::npos ? next : next - start);
    const std::size_t space = step.rfind(' ');
    int key = 0;
    const std::string_view number = step.substr(space == std::string_view::npos ? 0 : space + 1);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), key);
    if (error != std::errc() || end != number.data() + number.size() || number.empty()) {
      return std::nullopt;
    }
    keys.push_back(key);
    at = next;
  }
  return keys;
}

bool SetAt(__packet& packet, const std::vector<int>& keys, std::size_t depth, int key,
           std::uint32_t value) {
  if (depth == keys.size()) {
    packet < __val(key, value);
    return true;
  }
  schema::ReadResult<__packet> child = schema::ReadPacket(packet, keys[depth]);
  if (!child || !SetAt(child.value, keys, depth + 1, key, value)) return false;
  packet < __val(keys[depth], child.value.data());
  return true;
}

}  // namespace

std::optional<__packet> Resolve(const __packet& description, const std::string& path) {
  const std::optional<std::vector<int>> keys = StepKeys(path);
  if (!keys) return std::nullopt;
  __packet current = description;
  for (const int key : *keys) {
    schema::ReadResult<__packet> child = schema::ReadPacket(current, key);
    if (!child) return std::nullopt;
    current = std::move(child.value);
  }
  return current;
}

bool SetAtPath(__packet& description, const std::string& path, int key, std::uint32_t value) {
  const std::optional<std::vector<int>> keys = StepKeys(path);
  if (!keys) return false;
  __packet changed = description;
  if (!SetAt(changed, *keys, 0, key, value)) return false;
  description = std::move(changed);
  return true;
}

}  // namespace ctrlelem_view
