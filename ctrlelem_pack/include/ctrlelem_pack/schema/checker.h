// The schema checker: walks a registered description and reports where it
// leaves the schema in structure: kinds, keys, value types, what nests where,
// counts against their containers, menu item lists and anchor flags. Which
// values a key holds (colours, style words, strings) is the business of each
// window's own tables and is not checked here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "language/packet.h"

namespace ctrlelem::schema {

// One fault. The path leads from the description's id through the keys of the
// nested packets: "12 > key 10 > child 5 > key 8 > layer 2 > key 4".
struct Finding {
  std::string path;
  std::string reason;

  friend bool operator==(const Finding&, const Finding&) = default;
};

// The rules that a documented exception may waive.
enum class Rule : std::uint8_t {
  // A count (a button's layer count, a splitter, icon or text count) equals
  // the top key of the container it belongs to.
  count_matches_container,
};

// A deviation that a description carries on purpose: the rule is waived for
// the element whose key 1 is control_id, wherever it stands inside the
// description registered under description_id.
struct CheckException {
  std::uint32_t description_id;
  std::uint32_t control_id;
  Rule rule;
};

// What a catalogue knows of its own descriptions beyond the schema: the
// catalogue that registers them supplies it (the library's own is
// catalogue::CheckFacts()); the schema itself knows no ids.
struct CatalogueFacts {
  // The ids under which menus (kind 10) are registered; every other id holds a
  // window. Empty: any id may hold either.
  std::span<const std::uint32_t> menu_description_ids;
  // The deviations its descriptions carry on purpose.
  std::span<const CheckException> exceptions;
};

// Checks the description registered under `id` against the schema and the
// catalogue's facts. No findings means it keeps to them. At most 1000 findings
// are listed, then one under the id that says how many more there were; a
// path longer than 1024 characters keeps its first and last steps with
// " > ... > " between.
[[nodiscard]] std::vector<Finding> CheckDescription(std::uint32_t id, const __packet& description,
                                                    const CatalogueFacts& facts);

}  // namespace ctrlelem::schema
