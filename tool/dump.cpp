#include "dump.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "ctrlelem_pack/schema/kind_table.h"
#include "language/limits.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

namespace schema = ctrlelem::schema;
using schema::Field;
using schema::Nested;

std::string HexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

// A COLORREF with its channels, so that the byte order shows: 0x00BBGGRR
// reads "0x00FF0000 (r 0, g 0, b 255)", blue. A set high byte is no part of
// a colour and is left for the hex to show.
std::string ColourText(std::uint32_t colour) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "0x%08X (r %u, g %u, b %u)", static_cast<unsigned>(colour),
                static_cast<unsigned>(colour & 0xFF), static_cast<unsigned>((colour >> 8) & 0xFF),
                static_cast<unsigned>((colour >> 16) & 0xFF));
  return buffer;
}

// The packet that a byte string holds, unless the walk is at its depth limit.
std::optional<__packet> NestedPacket(const __val& value, int depth) {
  if (depth >= language::kMaxNestingDepth) return std::nullopt;
  return value.as_packet();
}

// ---- JSON ----------------------------------------------------------------

void WriteValueJson(JsonWriter& out, const __val& value, int depth) {
  out.BeginObject();
  out.Key("key");
  out.Number(value.key());
  out.Key("type");
  std::optional<__packet> nested;
  if (value.type() == __val::Type::bytes) nested = NestedPacket(value, depth);
  out.String(nested ? std::string_view("packet") : schema::NamesOf(value.type()).name);
  out.Key("value");
  switch (value.type()) {
    case __val::Type::u32:
      out.Number(*value.u32());
      break;
    case __val::Type::i32:
      out.Number(*value.i32());
      break;
    case __val::Type::size:
      out.Numbers({value.size()->cx, value.size()->cy});
      break;
    case __val::Type::rect: {
      const RECT r = *value.rect();
      out.Numbers({r.left, r.top, r.right, r.bottom});
      break;
    }
    case __val::Type::wstr:
      out.WideString(*value.wstr());
      break;
    case __val::Type::bytes:
      if (nested) {
        WritePacketJson(out, *nested, depth + 1);
      } else {
        out.String(HexBytes(*value.bytes()));
      }
      break;
    case __val::Type::none:
      out.Null();
      break;
  }
  out.EndObject();
}

// ---- Text ----------------------------------------------------------------

// What the keys of a packet mean where it stands.
struct Frame {
  std::span<const Field> fields = {};  // the fixed keys, if any
  Nested every_key = Nested::none;     // what each key holds, for containers
  std::string_view every_key_label = {};
  bool menu_items = false;  // keys grouped six to an item
};

// What a packet without kind is, by the role of the key it stands under: how
// its keys read and what the tree calls it.
struct Unkinded {
  Frame frame;
  std::string_view name;
};

Unkinded UnkindedAs(Nested role) {
  switch (role) {
    case Nested::children:
    case Nested::layers:
      return {{{}, Nested::children, "child"}, "container"};
    case Nested::hint:
    case Nested::input_hint:
      return {{schema::HintRecordFields()}, "hint record"};
    case Nested::submenu:
      return {{schema::SubmenuFields()}, "submenu"};
    case Nested::item_list:
      return {{schema::MenuItemFields(), Nested::none, "", true}, "item list"};
    case Nested::text_packet:
      return {{{}, Nested::text_packet, "text"}, "texts"};
    default:
      return {{}, "packet"};
  }
}

Frame FrameOf(const __packet& packet, Nested role) {
  if (packet.kind()) return {schema::FieldsOf(*packet.kind(), packet)};
  return UnkindedAs(role).frame;
}

class TextDumper {
 public:
  std::string Take() { return std::move(out_); }

  void Description(const Described& d) {
    out_ += "element " + std::to_string(d.id) + ": ";
    if (d.packet.empty()) {
      out_ += "(not registered: empty packet)\n";
      return;
    }
    out_ += Heading(d.packet, Nested::none) + "\n";
    Body(d.packet, Nested::none, 1);
  }

 private:
  std::string Heading(const __packet& packet, Nested role) const {
    if (packet.kind()) {
      const std::string_view name = schema::KindName(*packet.kind());
      return std::string(name.empty() ? "unknown kind" : name) + " (kind " +
             std::to_string(*packet.kind()) + ")";
    }
    if (packet.size() == 0) return "empty packet (no kind)";
    return std::string(UnkindedAs(role).name) + " (no kind)";
  }

  void Body(const __packet& packet, Nested role, int depth) {
    const Frame frame = FrameOf(packet, role);
    int current_item = 0;
    for (const __val& value : packet.values()) {
      int indent = depth;
      const Field* field = nullptr;
      std::string label;
      if (frame.menu_items && value.key() >= 1) {
        const int item = schema::ItemOfKey(value.key());
        if (item != current_item) {
          Line(depth, "item " + std::to_string(item));
          current_item = item;
        }
        indent = depth + 1;
        const int slot = schema::SlotOfKey(value.key());
        if (slot == schema::kItemCommand && value.u32() == schema::kMenuSeparator) {
          Line(indent, std::to_string(value.key()) + " separator");
          continue;
        }
        field = schema::FindField(frame.fields, slot);
      } else if (frame.every_key != Nested::none) {
        label = std::string(frame.every_key_label) + " " + std::to_string(value.key());
      } else {
        field = schema::FindField(frame.fields, value.key());
      }
      if (label.empty()) {
        label = std::to_string(value.key()) + " " +
                (field ? std::string(field->name) : std::string("(unknown key)"));
      }
      const Nested nested = field ? field->nested : frame.every_key;
      Value(value, field, nested, label, indent);
    }
  }

  void Value(const __val& value, const Field* field, Nested nested, const std::string& label,
             int depth) {
    const bool expected = !field || (field->types & schema::TypeBit(value.type())) != 0;
    const bool several_types = field && (field->types & (field->types - 1)) != 0;
    std::string text;
    switch (value.type()) {
      case __val::Type::u32: {
        const std::uint32_t n = *value.u32();
        const auto show = field ? field->show : schema::Show::decimal;
        if (show == schema::Show::colour) {
          text = ColourText(n);
        } else {
          text = show == schema::Show::decimal ? std::to_string(n) : schema::HexText(n);
        }
        // Large numbers are flag-carrying values (an image number with its
        // fourth-state bit, a separator's all-ones id): show their bits too.
        if (show == schema::Show::decimal && n >= 0x10000) text += " (" + schema::HexText(n) + ")";
        if (several_types || !expected) text += " (unsigned)";
        break;
      }
      case __val::Type::i32:
        text = std::to_string(*value.i32()) + " (signed)";
        break;
      case __val::Type::size:
        text =
            "(" + std::to_string(value.size()->cx) + ", " + std::to_string(value.size()->cy) + ")";
        break;
      case __val::Type::rect: {
        const RECT r = *value.rect();
        text = "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
               std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
        break;
      }
      case __val::Type::wstr:
        text = QuoteJson(WideToWtf8(*value.wstr()));
        break;
      case __val::Type::bytes: {
        const std::string& bytes = *value.bytes();
        if (const std::optional<__packet> packet = NestedPacket(value, depth)) {
          Line(depth, label + ": " + Heading(*packet, nested));
          Body(*packet, nested, depth + 1);
          return;
        }
        text = bytes.empty() ? "empty bytes"
                             : std::to_string(bytes.size()) + " bytes " +
                                   HexBytes(bytes.substr(0, 32)) + (bytes.size() > 32 ? "..." : "");
        break;
      }
      case __val::Type::none:
        text = "(nothing)";
        break;
    }
    if (!expected)
      text += "  [unexpected type " + std::string(schema::NamesOf(value.type()).name) + "]";
    Line(depth, label + " = " + text);
  }

  void Line(int depth, const std::string& text) {
    out_.append(static_cast<std::size_t>(depth) * 2, ' ');
    out_ += text;
    out_ += '\n';
  }

  std::string out_;
};

}  // namespace

void WritePacketJson(JsonWriter& out, const __packet& packet, int depth) {
  out.BeginObject();
  out.Key("kind");
  if (packet.kind()) {
    out.Number(*packet.kind());
  } else {
    out.Null();
  }
  out.Key("values");
  out.BeginArray();
  for (const __val& value : packet.values()) WriteValueJson(out, value, depth);
  out.EndArray();
  out.EndObject();
}

std::string PacketJson(const __packet& packet) {
  std::ostringstream out;
  JsonWriter writer(out);
  WritePacketJson(writer, packet);
  writer.Finish();
  return std::move(out).str();
}

JsonDump::JsonDump(std::ostream& out) : writer_(out) {
  writer_.BeginObject();
  writer_.Key("descriptions");
  writer_.BeginArray();
}

void JsonDump::Add(const Described& description) {
  writer_.BeginObject();
  writer_.Key("id");
  writer_.Number(std::uint64_t{description.id});
  writer_.Key("packet");
  WritePacketJson(writer_, description.packet);
  writer_.EndObject();
}

bool JsonDump::Finish() {
  writer_.EndArray();
  writer_.EndObject();
  return writer_.Finish();
}

void TextDump::Add(const Described& description) {
  TextDumper dumper;
  dumper.Description(description);
  const std::string text = dumper.Take();
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool TextDump::Finish() {
  out_.flush();
  return static_cast<bool>(out_);
}

std::string DumpText(std::span<const Described> descriptions) {
  std::ostringstream out;
  TextDump dump(out);
  for (const Described& d : descriptions) dump.Add(d);
  return std::move(out).str();
}

}  // namespace ctrlelem_tool
