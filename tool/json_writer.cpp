#include "json_writer.h"

#include <algorithm>

#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

bool IsFlatArray(const Json& value) {
  return value.is_array() &&
         std::all_of(value.begin(), value.end(), [](const Json& v) { return v.is_number(); });
}

void Write(const Json& value, int indent, std::string& out) {
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  const std::string outer(static_cast<std::size_t>(indent), ' ');
  if (value.is_object()) {
    if (value.empty()) {
      out += "{}";
      return;
    }
    out += "{\n";
    bool first = true;
    for (const auto& [key, member] : value.items()) {
      if (!first) out += ",\n";
      first = false;
      out += inner + QuoteJson(key) + ": ";
      Write(member, indent + 2, out);
    }
    out += "\n" + outer + "}";
  } else if (value.is_array()) {
    if (value.empty()) {
      out += "[]";
      return;
    }
    const bool flat = IsFlatArray(value);
    out += flat ? "[" : "[\n";
    bool first = true;
    for (const Json& element : value) {
      if (!first) out += flat ? ", " : ",\n";
      first = false;
      if (!flat) out += inner;
      Write(element, indent + 2, out);
    }
    out += flat ? "]" : "\n" + outer + "]";
  } else if (value.is_string()) {
    out += QuoteJson(value.get_ref<const std::string&>());
  } else {
    out += value.dump();  // numbers, booleans and null hold no text
  }
}

}  // namespace

std::string WriteJson(const Json& document) {
  std::string out;
  Write(document, 0, out);
  out += '\n';
  return out;
}

}  // namespace ctrlelem_tool
