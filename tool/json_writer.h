// Writes a JSON tree whose strings are generalised UTF-8 (text_encoding.h), so
// that a lone surrogate in a description's text comes out as a \uXXXX escape
// instead of failing the strict UTF-8 check of the JSON library's own writer.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace ctrlelem_tool {

using Json = nlohmann::ordered_json;

// The document indented by two spaces per level; short arrays of numbers stay
// on one line.
std::string WriteJson(const Json& document);

}  // namespace ctrlelem_tool
