// Lists every element of a description with the box it takes when its window
// is given a size, whether it shows and whether its text fits: what a host's
// layout code needs, from the host SDK's layout model. Usage:
//   dialog_viewer [ID [WIDTH HEIGHT]]     (default: dialog 101 in 400 x 300)
// A host measures text with its own font; this one pretends every character
// is 7 pixels wide and a line 15 pixels high (an 8-point font at 96 dpi is
// about that), where a real host would call GetTextExtentPoint32W.
#include <ctrlelem_pack/ctrlelem_pack.h>
#include <ctrlelem_pack/host.h>
#include <ctrlelem_pack/layout.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

namespace layout = ctrlelem::layout;

constexpr unsigned long kDefaultId = 101;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

// Reads a positive number argument; 0 when it is not one.
long PositiveArgument(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return (end != text && *end == '\0' && value > 0) ? value : 0;
}

// Text measurement as a host supplies it: here a fixed-pitch stand-in.
class FixedPitch final : public layout::Measurer {
 public:
  std::vector<int> Widths(const layout::Font&, std::span<const std::wstring_view> texts) override {
    std::vector<int> widths;
    for (const std::wstring_view text : texts) widths.push_back(7 * static_cast<int>(text.size()));
    return widths;
  }
  int LineHeight(const layout::Font&) override { return 15; }
  int CharacterHeight(const layout::Font& font) override { return font.point_size * 96 / 72; }
};

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
  FixedPitch measurer;
  const layout::Layout laid_out = layout::LayOut(description, width, height, measurer);
  const ctrlelem::schema::KindSchema* kind = ctrlelem::schema::SchemaOf(description);
  std::printf("description %lu (%s) in a %d x %d window:\n", id,
              kind != nullptr ? std::string(kind->name).c_str() : "no kind", laid_out.width,
              laid_out.height);
  for (const layout::Element& element : laid_out.elements) {
    if (element.depth == 0) continue;
    const std::string_view name = ctrlelem::schema::KindName(element.kind);
    std::printf("%*s%-16.*s id %-6u (%d, %d) %d x %d%s", 2 * element.depth, "",
                static_cast<int>(name.size()), name.data(), element.id, element.box.x,
                element.box.y, element.box.width, element.box.height,
                element.visible ? "" : " hidden");
    if (element.text) {
      const layout::TextLayout& text = element.text->layout;
      std::printf("  %zu line%s%s%s", text.lines.size(), text.lines.size() == 1 ? "" : "s",
                  text.fits_width ? "" : ", too wide", text.fits_height ? "" : ", too tall");
    }
    std::printf("\n");
  }
  return 0;
}
