// How a place inside a description is named: the description's id, then one
// step per key or container entry, "12 > key 10 > child 5 > key 8 > layer 2".
// The checker reports findings under these paths and the renderer labels what
// it draws with them, so a finding can be found in a picture.
#pragma once

#include <string>
#include <string_view>

namespace ctrlelem::schema {

// Steps are "key" (a field), "child" (an entry of a children container),
// "layer" (an entry of a layer container), "item" (a menu item), "text" and
// "run" (an information bar's texts).
[[nodiscard]] inline std::string PathStep(std::string_view path, std::string_view step,
                                          long long number) {
  std::string out(path);
  out += " > ";
  out += step;
  out += ' ';
  out += std::to_string(number);
  return out;
}

}  // namespace ctrlelem::schema
