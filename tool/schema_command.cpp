#include "schema_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "ctrlelem_pack/schema/kind_table.h"
#include "json_writer.h"

namespace ctrlelem_tool {
namespace {

namespace schema = ctrlelem::schema;
using schema::Domain;
using schema::Field;
using schema::KindSchema;
using schema::Nested;

// ---- The schema as the three forms show it ---------------------------------

// The packets without kind: what each key of them holds, either fixed keys
// (`fields`) or one thing under every key (`every_key`, a role name that
// names a record below, "element" or a nested role).
struct Record {
  std::string_view role;
  std::string_view title;
  std::string_view text;
  std::span<const Field> fields = {};
  std::string_view every_key = {};
  int keys_per_item = 0;  // the menu item list: fields are slots of each item
};

std::vector<Record> Records() {
  return {
      {"children", "children container", schema::Describe(Nested::children).text, {}, "element"},
      {"layers", "layer container", schema::Describe(Nested::layers).text, {}, "image"},
      {"hint", "hint record",
       "the six keys of a hint (kind 5) in a packet without kind; an input field's empty packet "
       "without kind stands for no hint",
       schema::HintRecordFields()},
      {"item_list",
       "menu item list",
       schema::Describe(Nested::item_list).text,
       schema::MenuItemFields(),
       {},
       schema::kMenuItemKeys},
      {"submenu", "submenu", schema::Describe(Nested::submenu).text, schema::SubmenuFields()},
      {"text_packet",
       "information-bar texts",
       "the texts parsed for an information bar: text i under key i from 1",
       {},
       "info_text"},
      {"info_text", "information-bar text", "one parsed text: run i under key i from 1", {}, "run"},
      {"run", "text run", "a run of an information-bar text; only links carry a target",
       schema::InfoTextRunFields()},
  };
}

// The type names of `dump --json`: a byte string that holds a packet is
// "packet" there, other byte strings "bytes".
std::vector<std::string> TypeNames(const Field& field) {
  std::vector<std::string> names;
  for (const schema::ValueTypeNames& type : schema::ValueTypes()) {
    if ((field.types & schema::TypeBit(type.type)) == 0) continue;
    if (type.type != __val::Type::bytes || field.nested == Nested::none) {
      names.emplace_back(type.name);
      continue;
    }
    if (field.nested != Nested::empty_bytes) names.emplace_back("packet");
    // The roles that take the empty byte string as well as a packet.
    if (field.nested == Nested::empty_bytes || field.nested == Nested::input_hint) {
      names.emplace_back(type.name);
    }
  }
  return names;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view between) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += between;
    text += part;
  }
  return text;
}

std::string_view StandingText(schema::Standing standing) {
  switch (standing) {
    case schema::Standing::top_level:
      return "registered under an element id of its own";
    case schema::Standing::nested:
      return "only under a key of its owner";
    case schema::Standing::child:
      break;
  }
  return "stands in a children container or under a key that names it";
}

std::string_view StandingName(schema::Standing standing) {
  switch (standing) {
    case schema::Standing::top_level:
      return "top_level";
    case schema::Standing::nested:
      return "nested";
    case schema::Standing::child:
      break;
  }
  return "child";
}

// Every domain the fields use, once, in the order first met.
std::vector<const Domain*> DomainsInUse() {
  std::vector<const Domain*> domains;
  const auto add = [&domains](std::span<const Field> fields) {
    for (const Field& field : fields) {
      if (field.domain && std::find(domains.begin(), domains.end(), field.domain) == domains.end())
        domains.push_back(field.domain);
    }
  };
  for (const KindSchema& kind : schema::Kinds()) add(kind.fields);
  add(schema::TextShapedButtonSchema().fields);
  for (const Record& record : Records()) add(record.fields);
  return domains;
}

constexpr std::size_t kInlineDomainLength = 60;
constexpr std::uint32_t kShowHexFrom = 0x10000;

// A named value as people read it: bits and words in hex, codes in decimal
// (large ones with their hex too, as the dump shows them).
std::string ValueText(const Domain& domain, std::uint32_t value) {
  if (domain.bits || domain.show != schema::Show::decimal) return schema::HexText(value);
  std::string text = std::to_string(value);
  if (value >= kShowHexFrom) text += " (" + schema::HexText(value) + ")";
  return text;
}

// What a key's line says besides its type: the domain, the nesting, the count.
std::string KeyDetails(const Field& field, bool markdown) {
  std::vector<std::string> parts;
  if (field.domain) {
    const Domain& domain = *field.domain;
    // A short domain without named values reads best where it is used; the
    // others are written out once, under "Value domains".
    if (domain.named.empty() && domain.text.size() <= kInlineDomainLength) {
      parts.emplace_back(domain.text);
    } else if (markdown) {
      std::string anchor(domain.name);
      std::replace(anchor.begin(), anchor.end(), ' ', '-');
      parts.push_back("[" + std::string(domain.name) + "](#" + anchor + ")");
    } else {
      parts.push_back("[" + std::string(domain.name) + "]");
    }
  }
  if (field.nested != Nested::none) parts.emplace_back(schema::Describe(field.nested).text);
  if (field.container_key != 0) {
    parts.push_back("the top key of key " + std::to_string(field.container_key));
  }
  if (field.zero_stands_in) parts.emplace_back("the unsigned 0 stands in for the text");
  return Joined(parts, "; ");
}

std::string Presence(const Field& field) {
  return field.presence == schema::Presence::always ? "always" : "optional";
}

std::string KeyColumns(const KindSchema& kind) {
  const auto key = [](int k) { return k == 0 ? std::string("-") : std::to_string(k); };
  return "id key " + key(kind.id_key) + ", anchor key " + key(kind.anchor_key) + ", rect key " +
         key(kind.rect_key);
}

// What each type name of `dump --json` stands for.
constexpr std::string_view kValueTypes[][2] = {
    {"u32", "unsigned 32-bit integer: ids, image numbers, counts, flag words, colours, sizes"},
    {"i32", "signed 32-bit integer: only the reserved last key of kinds 8, 15 and 18, always 0"},
    {"size", "SIZE (cx, cy): window sizes"},
    {"rect", "RECT, four signed members in stored order: the placement rectangle"},
    {"wstr", "wide string: a localised string, a literal text or an address"},
    {"packet", "a byte string that holds a serialised packet (a nested element or container)"},
    {"bytes", "a byte string that holds no packet: the empty byte string"},
};

// The conventions that hold for every kind, as paragraphs.
constexpr std::string_view kConventions[] = {
    "A description is a packet: keyed values whose meaning its kind selects. A packet holds at "
    "most one value per key; readers look keys up by number and must not rely on their order. A "
    "key marked optional may be absent.",
    "Colours are COLORREF values, 0x00BBGGRR: red in the lowest byte, blue in the third. 0x0000FF "
    "is red and 0xFF0000 blue. 0xFF00FF as a text's background is the transparent key.",
    "Sizes and rectangles are pixels of a 96-dpi screen; only the main window's three sizes are "
    "scaled to the screen's resolution, and text-fitted widths are screen pixels.",
    "A font size of 0 asks for the host's default font, its dialog font; `ctrlelem layout` and "
    "`render` take it as 8 points.",
    "A button has four state groups per set: 1 normal, 2 hover, 3 pressed, 4 disabled; a two-set "
    "button's second set (keys 18 to 30) is shown when the button is checked.",
    "A container (children, layers) is a packet without kind holding its entries under keys 1 to "
    "the count its owner stores beside it; a children container may leave keys out.",
};

constexpr std::string_view kGeneratedBy =
    "Generated by `ctrlelem schema --markdown` from the kind table "
    "(ctrlelem_pack/schema/kind_table.cpp); CI fails when this page differs from what the "
    "command prints.";

// ---- Plain text --------------------------------------------------------------

void TextFields(std::span<const Field> fields, std::string& out, std::string_view key_prefix) {
  for (const Field& field : fields) {
    out += "    " + std::string(key_prefix) + std::to_string(field.key) + "  " +
           std::string(field.name) + " (" + Joined(TypeNames(field), " or ") + ", " +
           Presence(field) + ")";
    const std::string details = KeyDetails(field, false);
    if (!details.empty()) out += ": " + details;
    out += '\n';
  }
}

void TextKind(const KindSchema& kind, std::string_view layout, std::string& out) {
  out += "kind " + std::to_string(kind.kind) + ": " + std::string(kind.name);
  if (!layout.empty()) out += ", " + std::string(layout);
  out += " (" + KeyColumns(kind) + "; " + std::string(StandingText(kind.standing)) + ")\n";
  if (!kind.note.empty()) out += "  " + std::string(kind.note) + '\n';
  TextFields(kind.fields, out, "key ");
  out += '\n';
}

void TextDomain(const Domain& domain, std::string& out) {
  out += "  " + std::string(domain.name) + ": " + std::string(domain.text) + '\n';
  for (const schema::NamedValue& named : domain.named) {
    out += "    " + ValueText(domain, named.value) + "  " + std::string(named.name) + '\n';
  }
}

// ---- Markdown ------------------------------------------------------------------

// A sentence of the page: the table's phrases start in lower case.
std::string Sentence(std::string_view phrase) {
  std::string text(phrase);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

// A table cell: pipes escaped, so that a value's text cannot split the row.
std::string Cell(std::string_view text) {
  std::string cell;
  for (const char c : text) {
    if (c == '|') cell += '\\';
    cell += c;
  }
  return cell;
}

void MarkdownFields(std::span<const Field> fields, std::string& out, std::string_view key_head) {
  out += "| " + std::string(key_head) + " | Meaning | Types | Present | Values |\n";
  out += "|---|---|---|---|---|\n";
  for (const Field& field : fields) {
    out += "| " + std::to_string(field.key) + " | " + Cell(field.name) + " | " +
           Joined(TypeNames(field), ", ") + " | " + Presence(field) + " | " +
           Cell(KeyDetails(field, true)) + " |\n";
  }
  out += '\n';
}

void MarkdownKind(const KindSchema& kind, std::string_view layout, std::string& out) {
  out += "### Kind " + std::to_string(kind.kind) + ": " + std::string(kind.name);
  if (!layout.empty()) out += ", " + std::string(layout);
  out +=
      "\n\n" + Sentence(KeyColumns(kind)) + "; " + std::string(StandingText(kind.standing)) + ".";
  if (!kind.note.empty()) out += " " + std::string(kind.note);
  out += "\n\n";
  MarkdownFields(kind.fields, out, "Key");
}

// ---- JSON ------------------------------------------------------------------------

Json FieldsJson(std::span<const Field> fields) {
  Json keys = Json::array();
  for (const Field& field : fields) {
    Json key = {{"key", field.key},
                {"types", TypeNames(field)},
                {"meaning", field.name},
                {"presence", Presence(field)}};
    if (field.domain) key["domain"] = field.domain->name;
    if (field.nested != Nested::none) key["nested"] = schema::Describe(field.nested).name;
    if (field.container_key != 0) key["count_of"] = field.container_key;
    if (field.zero_stands_in) key["zero_stands_in"] = true;
    keys.push_back(std::move(key));
  }
  return keys;
}

Json KindJson(const KindSchema& kind) {
  const auto key_or_null = [](int k) { return k == 0 ? Json(nullptr) : Json(k); };
  Json json = {{"kind", kind.kind},
               {"name", kind.name},
               {"id_key", key_or_null(kind.id_key)},
               {"anchor_key", key_or_null(kind.anchor_key)},
               {"rect_key", key_or_null(kind.rect_key)},
               {"stands", StandingName(kind.standing)},
               {"note", kind.note},
               {"keys", FieldsJson(kind.fields)}};
  if (kind.kind == schema::kButton) {
    const KindSchema& text_shaped = schema::TextShapedButtonSchema();
    json["layouts"] = Json::array({Json{{"layout", "text-shaped"},
                                        {"when", "key 2 is a wide string"},
                                        {"note", text_shaped.note},
                                        {"keys", FieldsJson(text_shaped.fields)}}});
  }
  return json;
}

}  // namespace

std::string SchemaText() {
  std::string out = "The description schema\n\n";
  for (const std::string_view paragraph : kConventions) out += std::string(paragraph) + '\n';
  out += "\nValue types (as dump --json names them):\n";
  for (const auto& type : kValueTypes) {
    out += "  " + std::string(type[0]) + "  " + std::string(type[1]) + '\n';
  }
  out += "\nKinds:\n\n";
  for (const KindSchema& kind : schema::Kinds()) {
    TextKind(kind, kind.kind == schema::kButton ? "state-group layout" : "", out);
    if (kind.kind == schema::kButton) {
      TextKind(schema::TextShapedButtonSchema(), "text-shaped layout", out);
    }
  }
  out += "Packets without kind:\n\n";
  for (const Record& record : Records()) {
    out += std::string(record.title) + " (" + std::string(record.role) +
           "): " + std::string(record.text) + '\n';
    if (record.keys_per_item != 0) {
      TextFields(record.fields, out, "key 6(n-1)+");
    } else {
      TextFields(record.fields, out, "key ");
    }
    out += '\n';
  }
  out += "Value domains (the [names] above):\n";
  for (const Domain* domain : DomainsInUse()) TextDomain(*domain, out);
  return out;
}

std::string SchemaMarkdown() {
  std::string out = "# Description schema\n\n<!-- " + std::string(kGeneratedBy) + " -->\n\n";
  for (const std::string_view paragraph : kConventions) out += std::string(paragraph) + "\n\n";
  out += "## Value types\n\nThe names are those of `ctrlelem dump --json`.\n\n";
  out += "| Type | Holds |\n|---|---|\n";
  for (const auto& type : kValueTypes) {
    out += "| " + std::string(type[0]) + " | " + Cell(type[1]) + " |\n";
  }
  out += "\n## Kinds\n\n| Kind | Name | Id key | Anchor key | Rect key |\n|---|---|---|---|---|\n";
  for (const KindSchema& kind : schema::Kinds()) {
    const auto key = [](int k) { return k == 0 ? std::string("-") : std::to_string(k); };
    out += "| " + std::to_string(kind.kind) + " | " + std::string(kind.name) + " | " +
           key(kind.id_key) + " | " + key(kind.anchor_key) + " | " + key(kind.rect_key) + " |\n";
  }
  out += '\n';
  for (const KindSchema& kind : schema::Kinds()) {
    MarkdownKind(kind, kind.kind == schema::kButton ? "state-group layout" : "", out);
    if (kind.kind == schema::kButton) {
      MarkdownKind(schema::TextShapedButtonSchema(), "text-shaped layout", out);
    }
  }
  out += "## Packets without kind\n\n";
  for (const Record& record : Records()) {
    out += "### " + std::string(record.title) + "\n\n" + Sentence(record.text) + ".\n\n";
    if (record.fields.empty()) continue;
    MarkdownFields(record.fields, out, record.keys_per_item != 0 ? "Key 6(n-1)+" : "Key");
  }
  out += "## Value domains\n\n";
  for (const Domain* domain : DomainsInUse()) {
    out += "### " + std::string(domain->name) + "\n\n" + Sentence(domain->text) + ".\n\n";
    if (domain->named.empty()) continue;
    out += domain->bits ? "| Bit | Meaning |\n" : "| Value | Meaning |\n";
    out += "|---|---|\n";
    for (const schema::NamedValue& named : domain->named) {
      out += "| " + ValueText(*domain, named.value) + " | " + Cell(named.name) + " |\n";
    }
    out += '\n';
  }
  // One newline at the end, as a file wants.
  while (out.ends_with("\n\n")) out.pop_back();
  return out;
}

std::string SchemaJson() {
  Json kinds = Json::array();
  for (const KindSchema& kind : schema::Kinds()) kinds.push_back(KindJson(kind));
  Json records = Json::array();
  for (const Record& record : Records()) {
    Json json = {{"role", record.role}, {"name", record.title}, {"text", record.text}};
    if (!record.fields.empty()) json["keys"] = FieldsJson(record.fields);
    if (record.keys_per_item != 0) json["keys_per_item"] = record.keys_per_item;
    if (!record.every_key.empty()) {
      json["every_key"] = Json{{"types", {"packet"}}, {"nested", record.every_key}};
    }
    records.push_back(std::move(json));
  }
  Json domains = Json::array();
  for (const Domain* domain : DomainsInUse()) {
    Json json = {{"name", domain->name}, {"text", domain->text}, {"bits", domain->bits}};
    Json named = Json::array();
    for (const schema::NamedValue& value : domain->named) {
      named.push_back({{"value", value.value}, {"name", value.name}});
    }
    json["values"] = std::move(named);
    domains.push_back(std::move(json));
  }
  Json types = Json::array();
  for (const auto& type : kValueTypes) types.push_back({{"type", type[0]}, {"holds", type[1]}});
  const Json document = {{"value_types", std::move(types)},
                         {"kinds", std::move(kinds)},
                         {"packets_without_kind", std::move(records)},
                         {"domains", std::move(domains)}};
  return WriteJson(document);
}

Command AddSchemaCommand(CLI::App& app, std::ostream& out) {
  CLI::App* command = app.add_subcommand(
      "schema",
      "Print the description schema: every kind with its keys, their value types, meanings and "
      "value domains, and what nested packets hold");
  auto markdown = std::make_shared<bool>(false);
  auto json = std::make_shared<bool>(false);
  command->add_flag("--markdown", *markdown, "Print the Markdown page kept as docs/schema.md");
  command->add_flag("--json", *json,
                    "Print one JSON document (type names as in 'ctrlelem dump --json')");
  command->get_option("--json")->excludes(command->get_option("--markdown"));
  command->footer(
      "The schema is printed from the kind table the checker and the dump use; the descriptions "
      "are not built, so the screen and language options do not apply.");
  return {command, [markdown, json, &out] {
            out << (*json ? SchemaJson() : *markdown ? SchemaMarkdown() : SchemaText());
            return 0;
          }};
}

}  // namespace ctrlelem_tool
