#include "ctrlelem_pack/schema/checker.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/element_path.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "language/limits.h"

namespace ctrlelem::schema {
namespace {

// "7, 8 and 12".
std::string IdsText(std::span<const std::uint32_t> ids) {
  std::string text;
  const std::size_t n = ids.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) text += i + 1 == n ? " and " : ", ";
    text += std::to_string(ids[i]);
  }
  return text;
}

std::string Sub(const std::string& path, std::string_view label, long long number) {
  return PathStep(path, label, number);
}

// The types a field takes, as it reads in a sentence.
std::string AllowedText(const Field& field) {
  std::string text;
  for (const ValueTypeNames& type : ValueTypes()) {
    if ((field.types & TypeBit(type.type)) == 0) continue;
    if (field.zero_stands_in && type.type == __val::Type::u32) continue;
    if (!text.empty()) text += " or ";
    text += type.in_sentence;
  }
  if (field.zero_stands_in) text += " or the unsigned 0";
  return text;
}

std::string KindText(int kind) {
  const std::string_view name = KindName(kind);
  std::string text = "kind " + std::to_string(kind);
  if (!name.empty()) text += " (" + std::string(name) + ")";
  return text;
}

std::string PacketText(const __packet& packet) {
  return packet.kind() ? KindText(*packet.kind()) : "a packet without kind";
}

std::string NotAPacket(const __val& value) {
  if (const std::string* bytes = value.bytes()) {
    if (bytes->empty()) return "holds the empty byte string, not a packet";
    return "holds " + std::to_string(bytes->size()) + " bytes that are not a packet";
  }
  return "holds " + std::string(NamesOf(value.type()).in_sentence) + ", not a packet";
}

std::string GroupKeysText(const StateGroupView& group) {
  return "state group " + std::to_string(group.state) + " (keys " +
         std::to_string(group.keys.caption) + " to " + std::to_string(group.keys.layers) + ")";
}

// A foreign packet can break every rule at every key: the findings listed for
// one description stop here, and a last one tells how many more there were.
constexpr std::size_t kMaxFindings = 1000;
// Paths longer than this (nesting at the depth limit with long key numbers)
// keep their start and their end with " > ... > " between.
constexpr std::size_t kMaxPathLength = 1024;
constexpr std::string_view kPathGap = " > ... > ";

std::string ShortenedPath(std::string path) {
  if (path.size() <= kMaxPathLength) return path;
  const std::size_t keep = (kMaxPathLength - kPathGap.size()) / 2;
  // Cut at step boundaries, so that each half holds whole steps.
  std::size_t head = path.rfind(" > ", keep);
  std::size_t tail = path.find(" > ", path.size() - keep);
  if (head == std::string::npos || head == 0) head = keep;
  if (tail == std::string::npos) tail = path.size() - keep;
  if (tail <= head) return path;
  const std::size_t tail_start = path.compare(tail, 3, " > ") == 0 ? tail + 3 : tail;
  return path.substr(0, head) + std::string(kPathGap) + path.substr(tail_start);
}

class Checker {
 public:
  Checker(std::uint32_t id, const CatalogueFacts& facts) : id_(id), facts_(facts) {}

  std::vector<Finding> Run(const __packet& description) {
    Description(description, std::to_string(id_));
    if (left_out_ > 0) {
      findings_.push_back(
          {std::to_string(id_), "and " + std::to_string(left_out_) + " more findings, not listed"});
    }
    return std::move(findings_);
  }

 private:
  void Flag(std::string path, std::string reason) {
    if (findings_.size() >= kMaxFindings) {
      ++left_out_;
      return;
    }
    findings_.push_back({ShortenedPath(std::move(path)), std::move(reason)});
  }

  bool Excused(const __packet& element, Rule rule) const {
    const ReadResult<std::uint32_t> control = ReadUnsigned(element, key::control::kId);
    return control && std::any_of(facts_.exceptions.begin(), facts_.exceptions.end(),
                                  [&](const CheckException& e) {
                                    return e.description_id == id_ &&
                                           e.control_id == control.value && e.rule == rule;
                                  });
  }

  // Whether a packet at this level may still be entered; reports it if not.
  bool Enter(int depth, const std::string& path) {
    if (depth <= language::kMaxNestingDepth) return true;
    Flag(path, "nested more than " + std::to_string(language::kMaxNestingDepth) +
                   " packets deep: not checked further");
    return false;
  }

  // ---- Registered descriptions -------------------------------------------

  void Description(const __packet& packet, const std::string& path) {
    if (packet.empty()) {
      Flag(path, "the empty packet is no description");
      return;
    }
    if (!packet.kind()) {
      Flag(path, "a description without kind: windows are kind 1, menus kind 10");
      return;
    }
    const int kind = *packet.kind();
    const KindSchema* schema = FindKind(kind);
    if (schema && schema->standing != Standing::top_level) {
      Flag(path, KindText(kind) +
                     " is not registered on its own: descriptions are windows (kind 1) or "
                     "menus (kind 10)");
    } else if (schema && !facts_.menu_description_ids.empty()) {
      const std::span<const std::uint32_t> menus = facts_.menu_description_ids;
      const bool menu_id = std::find(menus.begin(), menus.end(), id_) != menus.end();
      if (menu_id && kind != kMenu) {
        Flag(path, "ids " + IdsText(menus) + " are menus (kind 10), not " + KindText(kind));
      } else if (!menu_id && kind == kMenu) {
        Flag(path, "menus are registered under ids " + IdsText(menus) + " only");
      }
    }
    if (kind == kWindow) {
      const ReadResult<std::uint32_t> own_id = ReadUnsigned(packet, key::window::kId);
      if (own_id && own_id.value != id_) {
        Flag(Sub(path, "key", key::window::kId),
             "element id " + std::to_string(own_id.value) +
                 " differs from the id the window is registered under");
      }
    }
    Element(packet, path, 1);
  }

  // ---- Elements and their fields -------------------------------------------

  void Element(const __packet& packet, const std::string& path, int depth) {
    const KindSchema* schema = SchemaOf(packet);
    if (!schema) {
      Flag(path, packet.kind() ? KindText(*packet.kind()) + " is not a kind in use"
                               : std::string("an element without kind"));
      return;
    }
    Fields(packet, schema->fields, KindText(schema->kind), path, depth);
    if (schema->anchor_key != 0) Anchor(packet, schema->anchor_key, path);
    if (schema->anchor_key != 0 && schema->rect_key != 0) EdgesInOrder(packet, *schema, path);
    Counts(packet, schema->fields, path);
    if (schema->kind == kButton) ButtonSets(packet, path);
    if (schema->kind == kMenu) MenuBody(packet, kMenuBarType, path, depth);
  }

  void Fields(const __packet& packet, std::span<const Field> fields, const std::string& owner,
              const std::string& path, int depth) {
    for (const __val& value : packet.values()) {
      const std::string at = Sub(path, "key", value.key());
      const Field* field = FindField(fields, value.key());
      if (!field) {
        Flag(at, "not a key of " + owner);
        continue;
      }
      Value(value, *field, at, depth);
    }
    for (const Field& field : fields) {
      if (field.presence == Presence::always && !packet.has(field.key)) {
        Flag(path,
             "key " + std::to_string(field.key) + " (" + std::string(field.name) + ") is missing");
      }
    }
  }

  void Value(const __val& value, const Field& field, const std::string& path, int depth) {
    if ((field.types & TypeBit(value.type())) == 0) {
      Flag(path, "holds " + std::string(NamesOf(value.type()).in_sentence) + "; " +
                     std::string(field.name) + " takes " + AllowedText(field));
      return;
    }
    if (field.zero_stands_in && value.u32().value_or(0) != 0) {
      Flag(path, "holds the unsigned " + std::to_string(*value.u32()) +
                     "; only the unsigned 0 stands in for " +
                     std::string(NamesOf(__val::Type::wstr).in_sentence));
      return;
    }
    if (field.nested != Nested::none) NestedValue(value, field.nested, path, depth);
  }

  // A byte string whose content the field's role fixes.
  void NestedValue(const __val& value, Nested role, const std::string& path, int depth) {
    const std::string* bytes = value.bytes();
    if (!bytes || role == Nested::item_list) return;  // the item list goes with its menu's count
    if (role == Nested::empty_bytes) {
      if (!bytes->empty()) {
        Flag(path, "holds " + std::to_string(bytes->size()) +
                       " bytes; this key holds the empty byte string");
      }
      return;
    }
    if (role == Nested::input_hint && bytes->empty()) return;
    if (!Enter(depth + 1, path)) return;
    const std::optional<__packet> packet = value.as_packet();
    if (!packet) {
      Flag(path, NotAPacket(value));
      return;
    }
    const int inner = depth + 1;
    switch (role) {
      case Nested::text:
        ExpectKind(*packet, kText, path, inner);
        break;
      case Nested::image:
        ExpectKind(*packet, kImage, path, inner);
        break;
      case Nested::input_hint:
        if (packet->empty()) break;  // an empty packet stands for no hint
        HintRecord(*packet, path, inner);
        break;
      case Nested::hint:
        HintRecord(*packet, path, inner);
        break;
      case Nested::children:
      case Nested::layers:
        Container(*packet, role, path, inner);
        break;
      case Nested::submenu:
        Submenu(*packet, path, inner);
        break;
      case Nested::text_packet:
        Texts(*packet, path, inner);
        break;
      case Nested::none:
      case Nested::item_list:
      case Nested::empty_bytes:
        break;
    }
  }

  void ExpectKind(const __packet& packet, int kind, const std::string& path, int depth) {
    if (packet.kind() != kind) {
      Flag(path, "holds " + PacketText(packet) + " where " + KindText(kind) + " belongs");
      return;
    }
    Element(packet, path, depth);
  }

  void HintRecord(const __packet& packet, const std::string& path, int depth) {
    if (!packet.kind()) {
      Fields(packet, HintRecordFields(), "a hint record", path, depth);
    } else if (*packet.kind() == kHint) {
      Element(packet, path, depth);
    } else {
      Flag(path, "holds " + PacketText(packet) +
                     " where a hint (kind 5, or its six keys without kind) belongs");
    }
  }

  // ---- Containers and counts -------------------------------------------------

  // Keys below 1 hold nothing that a reader visits.
  void KeysBelowOne(const __packet& packet, const std::string& path, std::string_view what) {
    for (const __val& value : packet.values()) {
      if (value.key() < 1) {
        Flag(Sub(path, "key", value.key()),
             "not a key for " + std::string(what) + ": they stand under keys from 1");
      }
    }
  }

  void Container(const __packet& container, Nested role, const std::string& path, int depth) {
    if (container.kind()) {
      Flag(path,
           "holds " + KindText(*container.kind()) + " where a container without kind belongs");
      return;
    }
    const bool layers = role == Nested::layers;
    KeysBelowOne(container, path, layers ? "layers" : "children");
    VisitChildren(container, std::numeric_limits<std::uint32_t>::max(),
                  [&](const ChildEntry& child) {
                    const std::string at = Sub(path, layers ? "layer" : "child", child.key);
                    if (child.packet && !Enter(depth + 1, at)) return;
                    if (!child.packet) {
                      Flag(at, NotAPacket(child.value));
                    } else if (!child.packet->kind()) {
                      Flag(at, "an element without kind");
                    } else if (layers) {
                      ExpectKind(*child.packet, kImage, at, depth + 1);
                    } else if (const KindSchema* schema = FindKind(*child.packet->kind());
                               schema && schema->standing != Standing::child) {
                      Flag(at, KindText(schema->kind) + " does not stand in a container");
                    } else {
                      Element(*child.packet, at, depth + 1);
                    }
                  });
  }

  // Each count against the container it belongs to. A children container may
  // leave keys unused below its top key (and the top key may lie above every
  // child); the other containers hold exactly keys up to their count.
  void Counts(const __packet& owner, std::span<const Field> fields, const std::string& path) {
    for (const Field& count : fields) {
      if (count.container_key == 0) continue;
      const Field* container = FindField(fields, count.container_key);
      const ReadResult<std::uint32_t> top = ReadUnsigned(owner, count.key);
      const ReadResult<__packet> packet = ReadPacket(owner, count.container_key);
      // A missing or mistyped count or container is reported with the fields.
      if (!container || !top || !(packet || packet.status == ReadStatus::absent)) continue;
      if (packet && packet.value.has_kind()) continue;  // no container at all: reported
      const std::string container_at = Sub(path, "key", count.container_key);
      if (container->nested == Nested::children) {
        if (packet) ChildrenAboveTop(packet.value, top.value, count, container_at);
        continue;
      }
      const int held = packet ? TopKeyOf(packet.value) : 0;
      if (static_cast<std::uint32_t>(held) == top.value) continue;
      if (Excused(owner, Rule::count_matches_container)) continue;
      const std::string name(container->name);
      Flag(Sub(path, "key", count.key),
           std::string(count.name) + " is " + std::to_string(top.value) + " but " +
               (packet
                    ? "the top key of key " + std::to_string(count.container_key) + " (" + name +
                          ") is " + std::to_string(held)
                    : "key " + std::to_string(count.container_key) + " (" + name + ") is absent"));
    }
  }

  void ChildrenAboveTop(const __packet& container, std::uint32_t top, const Field& count,
                        const std::string& path) {
    for (const __val& value : container.values()) {
      if (value.key() >= 1 && static_cast<std::uint32_t>(value.key()) > top) {
        Flag(Sub(path, "child", value.key()), "above the top key " + std::to_string(top) +
                                                  " that key " + std::to_string(count.key) + " (" +
                                                  std::string(count.name) + ") gives");
      }
    }
  }

  void Anchor(const __packet& packet, int key, const std::string& path) {
    const ReadResult<std::uint32_t> anchor = ReadUnsigned(packet, key);
    if (anchor && !IsAnchorCombinationInUse(anchor.value)) {
      Flag(Sub(path, "key", key),
           "anchor flags " + HexText(anchor.value) + " are not a combination in use");
    }
  }

  // Where the anchor flags read the rectangle as its four edges (no known bit
  // set, and a kind other than the image element), the right edge must not lie
  // left of the left edge nor the bottom above the top: such a rectangle only
  // comes from arithmetic gone wrong.
  void EdgesInOrder(const __packet& packet, const KindSchema& schema, const std::string& path) {
    const ReadResult<std::uint32_t> anchor = ReadUnsigned(packet, schema.anchor_key);
    if (!anchor || (anchor.value & kAnchorKnownBits) != kAnchorNone) return;
    if (RectFormForKind(schema.kind) != RectForm::edges) return;
    const std::optional<RECT> rect = packet[schema.rect_key].rect();
    if (!rect) return;  // a missing or mistyped rectangle is reported with the fields
    const std::string at = Sub(path, "key", schema.rect_key);
    if (rect->right < rect->left) {
      Flag(at, "right edge " + std::to_string(rect->right) + " is left of the left edge " +
                   std::to_string(rect->left));
    }
    if (rect->bottom < rect->top) {
      Flag(at, "bottom edge " + std::to_string(rect->bottom) + " is above the top edge " +
                   std::to_string(rect->top));
    }
  }

  // ---- Buttons -----------------------------------------------------------------

  void ButtonSets(const __packet& button, const std::string& path) {
    for (const ButtonSet set : {ButtonSet::first, ButtonSet::second}) {
      const StateSetView view = ReadStateSet(button, set);
      if (view.presence == SetPresence::no_state_groups) return;
      const std::string set_name = set == ButtonSet::first ? "first set" : "second set";
      if (view.presence == SetPresence::absent) {
        if (set == ButtonSet::first) Flag(path, "no state groups (keys 6 to 17)");
        continue;
      }
      bool irregular = false;
      for (const StateGroupView& group : view.groups) {
        if (group.shape != GroupShape::irregular) continue;
        irregular = true;
        Flag(path, GroupKeysText(group) + " of the " + set_name + " holds " +
                       PresenceText(button, group) + ": no shape a state group takes");
      }
      if (irregular || view.uniform()) continue;
      std::string shapes;
      for (const StateGroupView& group : view.groups) {
        if (!shapes.empty()) shapes += ", ";
        shapes += ShapeName(group.shape);
      }
      Flag(path, "the four state groups of the " + set_name + " differ in shape: " + shapes);
    }
  }

  static std::string PresenceText(const __packet& button, const StateGroupView& group) {
    const auto part = [&](int key, std::string_view name) {
      return (button.has(key) ? "" : "no ") + std::string(name);
    };
    return part(group.keys.caption, "caption") + ", " + part(group.keys.count, "layer count") +
           ", " + part(group.keys.layers, "layer container");
  }

  // ---- Menus -------------------------------------------------------------------

  // Type, count and item list of a menu or submenu; its keys' types have been
  // checked with its fields.
  void MenuBody(const __packet& menu, std::uint32_t expected_type, const std::string& path,
                int depth) {
    const bool bar = expected_type == kMenuBarType;
    const ReadResult<std::uint32_t> type = ReadUnsigned(menu, key::menu::kType);
    if (type && type.value != expected_type) {
      Flag(Sub(path, "key", key::menu::kType),
           "menu type " + std::to_string(type.value) + " where " +
               (bar ? "a menu bar has type " : "a submenu has type ") +
               std::to_string(expected_type));
    }
    const __val* list_value = menu.find(key::menu::kItems);
    if (!list_value || !list_value->bytes()) return;
    const std::string at = Sub(path, "key", key::menu::kItems);
    if (!Enter(depth + 1, at)) return;
    const std::optional<__packet> list = list_value->as_packet();
    if (!list) {
      Flag(at, NotAPacket(*list_value));
      return;
    }
    const ReadResult<std::uint32_t> count = ReadUnsigned(menu, key::menu::kCount);
    const int top = TopKeyOf(*list);
    const int items = ItemsForTopKey(top);
    if (count && count.value != static_cast<std::uint32_t>(items)) {
      Flag(Sub(path, "key", key::menu::kCount),
           "item count " + std::to_string(count.value) + " but the item list holds " +
               std::to_string(items) + " items (top key " + std::to_string(top) + ")");
    }
    ItemList(*list, bar, at, depth + 1);
  }

  void ItemList(const __packet& list, bool bar, const std::string& path, int depth) {
    if (list.kind()) {
      Flag(path, "holds " + KindText(*list.kind()) + " where an item list without kind belongs");
      return;
    }
    KeysBelowOne(list, path, "menu items");
    for (const auto& [index, slots] : GroupMenuItems(list)) {
      const std::string at = Sub(path, "item", index);
      // In 64 bits: the last item of a list at the top key ends past INT_MAX.
      const long long base = (static_cast<long long>(index) - 1) * kMenuItemKeys;
      const __val* command = slots[kItemCommand];
      if (!command) {
        Flag(at, "no command id (key " + std::to_string(base + kItemCommand) + ")");
      }
      const bool separator = command && command->u32() == kMenuSeparator;
      for (int slot = 1; slot <= kMenuItemKeys; ++slot) {
        const __val* value = slots[slot];
        if (!value) continue;
        const std::string key_at = Sub(at, "key", value->key());
        if (separator && slot != kItemCommand) {
          Flag(key_at, "a separator holds only its command id");
        } else if (bar && (slot == kItemImage || slot == kItemAlternative)) {
          Flag(key_at, "an item of a menu bar holds no image keys");
        } else {
          Value(*value, *FindField(MenuItemFields(), slot), key_at, depth);
        }
      }
      if (separator || !command) continue;
      for (const int slot : {kItemFlags, kItemCaption}) {
        if (!slots[slot]) {
          Flag(at, "key " + std::to_string(base + slot) + " (" +
                       std::string(FindField(MenuItemFields(), slot)->name) + ") is missing");
        }
      }
    }
  }

  void Submenu(const __packet& submenu, const std::string& path, int depth) {
    if (submenu.kind()) {
      Flag(path, "holds " + KindText(*submenu.kind()) + " where a submenu without kind belongs");
      return;
    }
    Fields(submenu, SubmenuFields(), "a submenu", path, depth);
    MenuBody(submenu, kMenuPopupType, path, depth);
  }

  // ---- Information-bar texts ---------------------------------------------------

  // Texts under keys 1 to n, each a packet of runs under keys 1 to m.
  void Texts(const __packet& texts, const std::string& path, int depth) {
    if (texts.kind()) {
      Flag(path, "holds " + KindText(*texts.kind()) + " where a text packet without kind belongs");
      return;
    }
    KeysBelowOne(texts, path, "texts");
    const auto unkinded = [this](const ChildEntry& entry, const std::string& at) {
      if (!entry.packet) {
        Flag(at, NotAPacket(entry.value));
      } else if (entry.packet->kind()) {
        Flag(at,
             "holds " + KindText(*entry.packet->kind()) + " where a packet without kind belongs");
      } else {
        return true;
      }
      return false;
    };
    VisitChildren(texts, std::numeric_limits<std::uint32_t>::max(), [&](const ChildEntry& text) {
      const std::string text_at = Sub(path, "text", text.key);
      if (!unkinded(text, text_at) || !Enter(depth + 1, text_at)) return;
      KeysBelowOne(*text.packet, text_at, "runs");
      VisitChildren(*text.packet, std::numeric_limits<std::uint32_t>::max(),
                    [&](const ChildEntry& run) {
                      const std::string run_at = Sub(text_at, "run", run.key);
                      if (!unkinded(run, run_at) || !Enter(depth + 2, run_at)) return;
                      Fields(*run.packet, InfoTextRunFields(), "a text run", run_at, depth + 2);
                    });
    });
  }

  std::uint32_t id_;
  const CatalogueFacts& facts_;
  std::vector<Finding> findings_;
  std::size_t left_out_ = 0;  // findings beyond kMaxFindings
};

}  // namespace

std::vector<Finding> CheckDescription(std::uint32_t id, const __packet& description,
                                      const CatalogueFacts& facts) {
  return Checker(id, facts).Run(description);
}

}  // namespace ctrlelem::schema
