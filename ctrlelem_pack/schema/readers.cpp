#include "ctrlelem_pack/schema/readers.h"

#include <algorithm>

namespace ctrlelem::schema {
namespace {

// Keeps the first fault: later ones are usually its consequences.
void Note(ReadStatus& status, ReadStatus fault) {
  if (status == ReadStatus::ok) status = fault;
}

// Reads an unsigned key into `out`; a missing or mistyped key marks the whole
// read as malformed.
void Take(const __packet& packet, int key, std::uint32_t& out, ReadStatus& status) {
  const ReadResult<std::uint32_t> value = ReadUnsigned(packet, key);
  if (value) {
    out = value.value;
  } else {
    Note(status, ReadStatus::malformed);
  }
}

void Take(const __packet& packet, int key, std::wstring& out, ReadStatus& status) {
  const __val* value = packet.find(key);
  if (value && value->wstr()) {
    out = *value->wstr();
  } else {
    Note(status, ReadStatus::malformed);
  }
}

GroupShape ClassifyGroup(bool caption, bool count, bool layers) {
  if (caption && count && layers) return GroupShape::captioned_layers;
  if (!caption && count && layers) return GroupShape::layers_only;
  if (caption && count && !layers) return GroupShape::caption_without_layers;
  if (caption && !count && !layers) return GroupShape::caption_only;
  if (!caption && !count && !layers) return GroupShape::absent;
  return GroupShape::irregular;
}

ReadResult<MenuView> ReadMenuAt(const __packet& menu, int levels_left);

// One item from the values under its six keys (slot 1 to 6).
MenuItemView ReadItem(int index, const MenuItemSlots& slots, int levels_left, ReadStatus& status) {
  MenuItemView item;
  item.index = index;
  const auto unsigned_at = [&](int slot) -> std::optional<std::uint32_t> {
    if (!slots[slot]) return std::nullopt;
    const std::optional<std::uint32_t> value = slots[slot]->u32();
    if (!value) Note(status, ReadStatus::malformed);
    return value;
  };
  const std::optional<std::uint32_t> command = unsigned_at(kItemCommand);
  if (!command) Note(status, ReadStatus::malformed);
  item.command = command.value_or(0);
  item.separator = command == kMenuSeparator;
  item.flags = unsigned_at(kItemFlags).value_or(0);
  if (const __val* caption = slots[kItemCaption]) {
    if (caption->wstr()) {
      item.caption = *caption->wstr();
    } else {
      Note(status, ReadStatus::malformed);
    }
  }
  item.image = unsigned_at(kItemImage);
  item.alternative = unsigned_at(kItemAlternative);
  if (const __val* submenu = slots[kItemSubmenu]) {
    if (!submenu->bytes()) {
      item.submenu_status = ReadStatus::wrong_type;
    } else if (levels_left <= 0) {
      item.submenu_status = ReadStatus::too_deep;
    } else if (const std::optional<__packet> packet = submenu->as_packet(); !packet) {
      item.submenu_status = ReadStatus::not_a_packet;
    } else {
      ReadResult<MenuView> read = ReadMenuAt(*packet, levels_left - 1);
      item.submenu_status = read.status;
      // A submenu with faults inside is still handed over; one of the wrong
      // kind or too deep is not.
      if (read.status != ReadStatus::wrong_type) item.submenu = std::move(read.value);
    }
    if (item.submenu_status != ReadStatus::ok) Note(status, item.submenu_status);
  }
  return item;
}

ReadResult<MenuView> ReadMenuAt(const __packet& menu, int levels_left) {
  ReadResult<MenuView> result;
  if (menu.kind() && *menu.kind() != kMenu) {
    result.status = ReadStatus::wrong_type;
    return result;
  }
  result.status = ReadStatus::ok;
  Take(menu, key::menu::kType, result.value.type, result.status);
  Take(menu, key::menu::kCount, result.value.count, result.status);
  const ReadResult<__packet> list = ReadPacket(menu, key::menu::kItems);
  if (!list) {
    Note(result.status, list.status == ReadStatus::absent ? ReadStatus::malformed : list.status);
    return result;
  }
  const std::vector<__val>& values = list.value.values();
  if (std::any_of(values.begin(), values.end(), [](const __val& v) { return v.key() < 1; })) {
    Note(result.status, ReadStatus::malformed);  // keys below 1 belong to no item
  }
  for (const auto& [index, slots] : GroupMenuItems(list.value)) {
    result.value.items.push_back(ReadItem(index, slots, levels_left, result.status));
  }
  return result;
}

}  // namespace

std::string_view StatusName(ReadStatus status) {
  switch (status) {
    case ReadStatus::ok:
      return "ok";
    case ReadStatus::absent:
      return "absent";
    case ReadStatus::wrong_type:
      return "wrong type";
    case ReadStatus::not_a_packet:
      return "not a packet";
    case ReadStatus::malformed:
      return "malformed";
    case ReadStatus::too_deep:
      return "too deep";
  }
  return "unknown";
}

ReadResult<std::uint32_t> ReadUnsigned(const __packet& packet, int key) {
  const __val* value = packet.find(key);
  if (!value) return {};
  const std::optional<std::uint32_t> number = value->u32();
  if (!number) return {ReadStatus::wrong_type};
  return {ReadStatus::ok, *number};
}

namespace {

// A key of one fixed value type, read with the value's typed getter.
template <class T, class Get>
ReadResult<T> ReadTyped(const __packet& packet, int key, Get get) {
  const __val* value = packet.find(key);
  if (!value) return {};
  const std::optional<T> typed = get(*value);
  if (!typed) return {ReadStatus::wrong_type};
  return {ReadStatus::ok, *typed};
}

}  // namespace

ReadResult<RECT> ReadRect(const __packet& packet, int key) {
  return ReadTyped<RECT>(packet, key, [](const __val& value) { return value.rect(); });
}

ReadResult<SIZE> ReadSize(const __packet& packet, int key) {
  return ReadTyped<SIZE>(packet, key, [](const __val& value) { return value.size(); });
}

ReadResult<__packet> ReadPacket(const __packet& packet, int key) {
  const __val* value = packet.find(key);
  if (!value) return {};
  if (!value->bytes()) return {ReadStatus::wrong_type};
  std::optional<__packet> nested = value->as_packet();
  if (!nested) return {ReadStatus::not_a_packet};
  return {ReadStatus::ok, std::move(*nested)};
}

int TopKeyOf(const __packet& packet) {
  int top = 0;
  for (const __val& value : packet.values()) top = std::max(top, value.key());
  return top;
}

TextValue ReadText(const __packet& packet, int key) {
  const __val* value = packet.find(key);
  if (!value) return {};
  if (const std::wstring* text = value->wstr()) return {TextForm::text, *text};
  if (value->u32() == 0u) return {TextForm::zero, {}};
  return {TextForm::wrong_type, {}};
}

void VisitChildren(const __packet& container, std::uint32_t top_key, const ChildVisitor& visit) {
  std::vector<const __val*> entries;
  for (const __val& value : container.values()) {
    if (value.key() >= 1 && static_cast<std::uint32_t>(value.key()) <= top_key) {
      entries.push_back(&value);
    }
  }
  std::sort(entries.begin(), entries.end(),
            [](const __val* a, const __val* b) { return a->key() < b->key(); });
  for (const __val* value : entries) {
    const std::optional<__packet> child = value->as_packet();
    visit({value->key(), *value, child ? &*child : nullptr});
  }
}

ReadResult<ContainerView> ReadContainer(const __packet& owner, int container_key) {
  ReadResult<__packet> packet = ReadPacket(owner, container_key);
  if (!packet) return {packet.status};
  ReadResult<ContainerView> result{ReadStatus::ok, {std::move(packet.value)}};
  const Field* count =
      owner.kind() ? CountFieldOf(FieldsOf(*owner.kind(), owner), container_key) : nullptr;
  const ReadResult<std::uint32_t> top =
      count ? ReadUnsigned(owner, count->key) : ReadResult<std::uint32_t>{};
  if (top) {
    result.value.top_key = top.value;
    result.value.top_key_stored = true;
  } else {
    result.value.top_key = static_cast<std::uint32_t>(TopKeyOf(result.value.packet));
  }
  return result;
}

void VisitChildren(const ContainerView& container, const ChildVisitor& visit) {
  VisitChildren(container.packet, container.top_key, visit);
}

ReadResult<HintView> ReadHint(const __packet& record) {
  ReadResult<HintView> result;
  if (record.kind() && *record.kind() != kHint) {
    result.status = ReadStatus::wrong_type;
    return result;
  }
  result.status = ReadStatus::ok;
  HintView& hint = result.value;
  hint.has_kind = record.has_kind();
  Take(record, 1, hint.code, result.status);
  Take(record, 2, hint.style, result.status);
  Take(record, 3, hint.icon, result.status);
  Take(record, 4, hint.title, result.status);
  Take(record, 5, hint.text, result.status);
  Take(record, 6, hint.flags, result.status);
  return result;
}

ReadResult<HintView> ReadHint(const __packet& owner, int key) {
  const ReadResult<__packet> record = ReadPacket(owner, key);
  if (!record) return {record.status};
  return ReadHint(record.value);
}

std::string_view ShapeName(GroupShape shape) {
  switch (shape) {
    case GroupShape::absent:
      return "absent";
    case GroupShape::captioned_layers:
      return "caption with layers";
    case GroupShape::layers_only:
      return "layers without caption";
    case GroupShape::caption_without_layers:
      return "caption with layer count 0";
    case GroupShape::caption_only:
      return "caption only";
    case GroupShape::irregular:
      return "irregular";
  }
  return "unknown";
}

bool StateSetView::uniform() const {
  return std::all_of(groups.begin(), groups.end(),
                     [this](const StateGroupView& g) { return g.shape == groups[0].shape; });
}

StateSetView ReadStateSet(const __packet& button, ButtonSet set) {
  StateSetView view;
  if (button.kind() != kButton || DetectButtonLayout(button) == ButtonLayout::text_shaped) {
    view.presence = SetPresence::no_state_groups;
    return view;
  }
  for (int state = 1; state <= kButtonStates; ++state) {
    StateGroupView& group = view.groups[static_cast<std::size_t>(state - 1)];
    group.state = state;
    group.keys = GroupKeys(set, state);
    group.caption = ReadPacket(button, group.keys.caption);
    if (group.caption && group.caption.value.kind() != kText) {
      group.caption.status = ReadStatus::wrong_type;
    }
    group.layer_count = ReadUnsigned(button, group.keys.count);
    group.layers = ReadPacket(button, group.keys.layers);
    if (group.layers && group.layers.value.has_kind()) group.layers.status = ReadStatus::wrong_type;
    group.shape = ClassifyGroup(button.has(group.keys.caption), button.has(group.keys.count),
                                button.has(group.keys.layers));
    if (group.shape != GroupShape::absent) view.presence = SetPresence::present;
  }
  return view;
}

std::map<int, MenuItemSlots> GroupMenuItems(const __packet& list) {
  std::map<int, MenuItemSlots> items;
  for (const __val& value : list.values()) {
    if (value.key() >= 1) items[ItemOfKey(value.key())][SlotOfKey(value.key())] = &value;
  }
  return items;
}

ReadResult<MenuView> ReadMenu(const __packet& menu, int depth_limit) {
  return ReadMenuAt(menu, std::clamp(depth_limit, 0, language::kMaxMenuDepthLimit));
}

}  // namespace ctrlelem::schema
