// The one error shape of the project's public functions: what went wrong, in
// words that name the thing at fault and the reason ("de.lng:3: bad string id
// 'x'"). A function that can fail returns std::optional<Error>, empty on
// success; one that also hands back a value returns it beside, through a
// parameter it names.
#pragma once

#include <string>

namespace language {

struct Error {
  std::string message;

  friend bool operator==(const Error&, const Error&) = default;
};

}  // namespace language
