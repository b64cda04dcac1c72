// Lists every element of a description with the rectangle it takes when its
// window is given a size: what a host's layout code computes. Usage:
//   dialog_viewer [ID [WIDTH HEIGHT]]     (default: dialog 101 in 400 x 300)
// Elements nested in children containers are placed inside their owner's
// rectangle and printed indented below it.
#include <ctrlelem_pack/ctrlelem_pack.h>
#include <ctrlelem_pack/host.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

namespace schema = ctrlelem::schema;

constexpr unsigned long kDefaultId = 101;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

// Reads a positive number argument; 0 when it is not one.
long PositiveArgument(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return (end != text && *end == '\0' && value > 0) ? value : 0;
}

void PrintElement(const __packet& element, int key, int width, int height, int depth);

// Places the children of every children container of the element inside a
// width x height area.
void PrintChildren(const __packet& element, int width, int height, int depth) {
  const schema::KindSchema* kind = schema::SchemaOf(element);
  if (kind == nullptr) return;
  for (const schema::Field& field : schema::FieldsOf(kind->kind, element)) {
    if (field.nested != schema::Nested::children) continue;
    const auto container = schema::ReadContainer(element, field.key);
    if (!container) continue;
    schema::VisitChildren(container.value, [&](const schema::ChildEntry& entry) {
      if (entry.packet == nullptr) {
        std::printf("%*skey %d: not a packet\n", 2 * depth, "", entry.key);
        return;
      }
      PrintElement(*entry.packet, entry.key, width, height, depth);
    });
  }
}

void PrintElement(const __packet& element, int key, int width, int height, int depth) {
  const schema::KindSchema* kind = schema::SchemaOf(element);
  std::printf("%*skey %d: ", 2 * depth, "", key);
  if (kind == nullptr) {
    std::printf("no element kind\n");
    return;
  }
  std::printf("%-16.*s", static_cast<int>(kind->name.size()), kind->name.data());
  if (const auto id = schema::ReadUnsigned(element, kind->id_key); kind->id_key != 0 && id) {
    std::printf(" id %-6u", id.value);
  }
  const __val* rect = kind->rect_key != 0 ? element.find(kind->rect_key) : nullptr;
  const auto anchor = schema::ReadUnsigned(element, kind->anchor_key);
  if (rect == nullptr || !rect->rect() || !anchor) {
    std::printf(" not placed\n");
    return;
  }
  const ctrlelem::Placement at = ctrlelem::PlaceChild(anchor.value, *rect->rect(), width, height,
                                                      ctrlelem::RectFormForKind(kind->kind));
  std::printf(" anchor 0x%03X  (%d, %d) - (%d, %d)  %d x %d\n", anchor.value, at.left, at.top,
              at.right, at.bottom, at.right - at.left, at.bottom - at.top);
  PrintChildren(element, at.right - at.left, at.bottom - at.top, depth + 1);
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long id = kDefaultId;
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  if (argc >= 2) id = static_cast<unsigned long>(PositiveArgument(argv[1]));
  if (argc >= 4) {
    width = static_cast<int>(PositiveArgument(argv[2]));
    height = static_cast<int>(PositiveArgument(argv[3]));
  }
  if (argc == 3 || argc > 4 || id == 0 || width == 0 || height == 0) {
    std::fprintf(stderr, "usage: dialog_viewer [ID [WIDTH HEIGHT]]\n");
    return 2;
  }

  InitPacketsLib();
  const __packet description = GetPacketProc(id);
  if (description.empty()) {
    std::fprintf(stderr, "dialog_viewer: no description under id %lu\n", id);
    return 1;
  }
  const schema::KindSchema* kind = schema::SchemaOf(description);
  std::printf("description %lu (%s) in a %d x %d window:\n", id,
              kind != nullptr ? std::string(kind->name).c_str() : "no kind", width, height);
  PrintChildren(description, width, height, 1);
  return 0;
}
