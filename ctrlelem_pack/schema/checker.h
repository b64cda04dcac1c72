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

// The exceptions the registered descriptions rely on.
std::span<const CheckException> KnownExceptions();

// Checks the description registered under `id`. No findings means it keeps to
// the schema. At most 1000 findings are listed, then one under the id that
// says how many more there were; a path longer than 1024 characters keeps its
// first and last steps with " > ... > " between.
std::vector<Finding> CheckDescription(std::uint32_t id, const __packet& description);
std::vector<Finding> CheckDescription(std::uint32_t id, const __packet& description,
                                      std::span<const CheckException> exceptions);

}  // namespace ctrlelem::schema
