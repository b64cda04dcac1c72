// `ctrlelem schema`: the description schema as a reference for host
// developers, printed from the kind table (schema/kind_table.h), so that the
// reference cannot drift from what the checker and the dump use. Three forms:
// plain text, the Markdown page kept as docs/schema.md, and JSON.
#pragma once

#include <iosfwd>
#include <string>

#include "common.h"

namespace ctrlelem_tool {

std::string SchemaText();
std::string SchemaMarkdown();
// {"kinds": [{"kind": N, "name": ..., "keys": [{"key": N, "types": [...],
// "meaning": ...}, ...]}, ...], "packets_without_kind": [...], "domains": [...]};
// the type names are those of `dump --json`.
std::string SchemaJson();

Command AddSchemaCommand(CLI::App& app, std::ostream& out);

}  // namespace ctrlelem_tool
