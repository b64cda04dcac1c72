// ctrlelem render ID -o FILE: one description as a picture.
#include "render/render_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "common.h"
#include "frame/registry.h"
#include "layout/layout_options.h"
#include "render/cairo_library.h"
#include "render/output.h"
#include "render/pictures.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

struct RenderArgs {
  std::string id;
  std::string output;
  LayoutChoice layout;
  bool outline = false;
  bool mark_overflow = false;
  std::string images_dir;
};

int Render(const RenderArgs& args, std::ostream& out, std::ostream& err) {
  unsigned long long id = 0;
  if (!ParseId(args.id, id)) {
    err << "ctrlelem: bad element id '" << args.id << "': expected a decimal number\n";
    return 2;
  }
  render::Format format{};
  if (!render::FormatFromFileName(args.output, format)) {
    err << "ctrlelem: cannot tell the format of '" << args.output
        << "': the file name ends in .png, .svg or .pdf\n";
    return 2;
  }
  const std::optional<ParsedLayoutChoice> choice = ParseLayoutChoice(args.layout, err);
  if (!choice) return kUsageError;
  render::RenderOptions options;
  if (choice->width > 0) {
    options.width = choice->width;
    options.height = choice->height;
  }
  options.state = choice->state;
  options.hide = choice->hide;
  options.outline = args.outline;
  options.mark_overflow = args.mark_overflow;
  options.images_dir = args.images_dir;

  if (std::string error; !render::OpenCairo(&error)) {
    err << "ctrlelem: render draws with cairo: " << error << '\n';
    return 1;
  }
  BuildDescriptions(err);
  const std::vector<ctrlelem::ElementId> registered = ctrlelem::RegisteredIds();
  if (!std::binary_search(registered.begin(), registered.end(), id)) {
    err << "ctrlelem: " << id << " is not a registered element id (ctrlelem list shows them)\n";
    return 2;
  }
  const auto element_id = static_cast<ctrlelem::ElementId>(id);
  render::Rendering rendering;
  render::ForgetPictures();  // each picture is read once per run, afresh
  const render::RenderError error = render::RenderToFile(element_id, ctrlelem::Lookup(element_id),
                                                         options, format, args.output, &rendering);
  for (const std::string& warning : render::TakePictureWarnings()) {
    err << "ctrlelem: warning: " << Printable(warning) << '\n';
  }
  render::ForgetPictures();
  if (!error.message.empty()) {
    err << "ctrlelem: " << error.message << '\n';
    return error.too_large ? kUsageError : kWriteError;
  }
  if (args.mark_overflow) {
    for (const render::Overflow& overflow : rendering.overflows) {
      out << id << ": " << Printable(overflow.path) << ": \"" << Printable(overflow.text)
          << "\" needs " << overflow.needed << " px, has " << overflow.available << " px"
          << (overflow.height ? " of height" : "") << (overflow.hidden ? " (hidden)" : "") << '\n';
    }
  }
  return 0;
}

}  // namespace

Command AddRenderCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                         std::ostream& err) {
  CLI::App* command = app.add_subcommand(
      "render", "Draw one description as PNG, SVG or PDF (the format from the file name)");
  auto args = std::make_shared<RenderArgs>();
  command->add_option("id", args->id, "Element id")->required()->type_name("ID");
  command->add_option("-o,--output", args->output, "File to write: .png, .svg or .pdf")
      ->required()
      ->type_name("FILE");
  AddLayoutChoiceOptions(*command, args->layout);
  command->add_flag("--outline", args->outline, "Frame each element with its id");
  command->add_flag("--mark-overflow", args->mark_overflow,
                    "Frame texts that do not fit in red and list them");
  command
      ->add_option("--images", args->images_dir,
                   "Folder of pictures named <number>.png (PNG files of at most 1 MiB and 4096 "
                   "pixels a side)")
      ->type_name("DIR");
  AddCommonOptions(*command, common);
  return {command, [args, &out, &err] { return Render(*args, out, err); }};
}

}  // namespace ctrlelem_tool
