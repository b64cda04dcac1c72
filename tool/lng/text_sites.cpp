#include "lng/text_sites.h"

#include <set>
#include <span>

#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "frame/registry.h"
#include "language/utf8.h"

namespace ctrlelem_tool::lng {
namespace {

namespace schema = ctrlelem::schema;
using schema::Field;
using schema::Nested;

// Nested packets deeper than this are not entered: the walk is recursive.
constexpr int kMaxDepth = 64;
std::string Sub(const std::string& path, const char* label, long long number) {
  return path + " > " + label + " " + std::to_string(number);
}

class Walker {
 public:
  Walker(std::uint32_t description, std::vector<TextSite>& out)
      : description_(description), out_(out) {}

  void Packet(const __packet& packet, const std::string& path, int depth) {
    if (depth > kMaxDepth) return;
    const schema::KindSchema* kind = schema::SchemaOf(packet);
    std::span<const Field> fields;
    if (kind) fields = schema::FieldsOf(kind->kind, packet);
    Values(packet, fields, path, depth);
  }

 private:
  void Values(const __packet& packet, std::span<const Field> fields, const std::string& path,
              int depth) {
    const int kind = packet.kind().value_or(0);
    for (const __val& value : packet.values()) {
      const Field* field = schema::FindField(fields, value.key());
      const std::string at = Sub(path, "key", value.key());
      if (const std::wstring* text = value.wstr()) {
        Text(packet, kind, value.key(), *text, at, field, false);
        continue;
      }
      if (!field || !value.bytes() || value.bytes()->empty()) continue;
      const std::optional<__packet> nested = value.as_packet();
      if (!nested) continue;
      Nest(*nested, field->nested, at, depth + 1);
    }
  }

  void Nest(const __packet& nested, Nested role, const std::string& at, int depth) {
    switch (role) {
      case Nested::children:
      case Nested::layers:
        for (const __val& child : nested.values()) {
          if (const auto packet = child.as_packet()) {
            Packet(*packet, Sub(at, role == Nested::layers ? "layer" : "child", child.key()),
                   depth + 1);
          }
        }
        break;
      case Nested::hint:
      case Nested::input_hint:
        Values(nested, schema::HintRecordFields(), at, depth);
        break;
      case Nested::submenu:
        Values(nested, schema::SubmenuFields(), at, depth);
        break;
      case Nested::item_list:
        Items(nested, at, depth);
        break;
      case Nested::text_packet:
        for (const __val& text : nested.values()) {
          const auto runs = text.as_packet();
          if (!runs) continue;
          const std::string text_at = Sub(at, "text", text.key());
          for (const __val& run : runs->values()) {
            if (const auto packet = run.as_packet()) {
              Values(*packet, schema::InfoTextRunFields(), Sub(text_at, "run", run.key()),
                     depth + 1);
            }
          }
        }
        break;
      case Nested::text:
      case Nested::image:
        Packet(nested, at, depth);
        break;
      case Nested::none:
      case Nested::empty_bytes:
        break;
    }
  }

  // A menu's items share one access-key space: the list's path names it.
  void Items(const __packet& list, const std::string& at, int depth) {
    for (const __val& value : list.values()) {
      if (value.key() < 1) continue;
      const std::string item_at =
          Sub(Sub(at, "item", schema::ItemOfKey(value.key())), "key", value.key());
      const Field* field =
          schema::FindField(schema::MenuItemFields(), schema::SlotOfKey(value.key()));
      if (const std::wstring* text = value.wstr()) {
        Text(list, 0, value.key(), *text, item_at, field, true, at);
      } else if (field && field->nested == Nested::submenu) {
        if (const auto submenu = value.as_packet(); submenu && value.bytes()->size() > 0) {
          Nest(*submenu, Nested::submenu, item_at, depth + 1);
        }
      }
    }
  }

  void Text(const __packet& owner, int kind, int key, const std::wstring& text,
            const std::string& at, const Field* field, bool menu_item,
            const std::string& menu = {}) {
    TextSite site;
    site.description = description_;
    site.path = at;
    site.field = field ? std::string(field->name) : "text";
    site.text = text;
    const bool drawn_text = (kind == schema::kText || kind == schema::kButton) && key == 2;
    if (drawn_text) {
      const auto number = [&owner](int k) { return owner[k].u32().value_or(0); };
      const __val face = owner[5];
      site.font = SiteFont{face.wstr() ? *face.wstr() : std::wstring(), static_cast<int>(number(6)),
                           number(7)};
      site.format = number(8);
      site.key_group = std::to_string(description_);
    } else if (menu_item && field && field->key == schema::kItemCaption) {
      site.key_group = menu;
    }
    out_.push_back(std::move(site));
  }

  std::uint32_t description_;
  std::vector<TextSite>& out_;
};

}  // namespace

std::vector<TextSite> CollectTextSites(std::uint32_t description, const __packet& packet) {
  std::vector<TextSite> sites;
  Walker(description, sites).Packet(packet, std::to_string(description), 0);
  return sites;
}

std::string ElementPathOf(const std::string& value_path) {
  static const std::set<std::string> kCaptionSteps = {"key 6",  "key 9",  "key 12", "key 15",
                                                      "key 19", "key 22", "key 25", "key 28"};
  std::string path = value_path.substr(0, value_path.rfind(" > "));
  const std::size_t last = path.rfind(" > ");
  if (last != std::string::npos && kCaptionSteps.contains(path.substr(last + 3))) {
    path.resize(last);
  }
  return path;
}

std::string DescriptionName(std::uint32_t id) {
  const __packet description = ctrlelem::Lookup(id);
  const int kind = description.kind().value_or(0);
  std::string name = std::string(schema::KindName(kind)) + " " + std::to_string(id);
  const __val* caption = description.find(schema::key::window::kCaption);
  if (kind != schema::kMenu && caption && caption->wstr() && !caption->wstr()->empty()) {
    name += " \"" + language::WideToUtf8(*caption->wstr()) + "\"";
  }
  return name;
}

std::vector<TextSite> CollectRegisteredTextSites() {
  std::vector<TextSite> sites;
  for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
    auto more = CollectTextSites(id, ctrlelem::Lookup(id));
    sites.insert(sites.end(), std::make_move_iterator(more.begin()),
                 std::make_move_iterator(more.end()));
  }
  return sites;
}

}  // namespace ctrlelem_tool::lng
