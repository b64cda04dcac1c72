// Builds without cairo (the Windows build) keep the render and gallery
// commands, which say why they cannot run.
#if defined(_WIN32)

#include <CLI/CLI.hpp>
#include <ostream>

#include "gallery/gallery_command.h"
#include "render/render_command.h"

namespace ctrlelem_tool {
namespace {

Command Unavailable(CLI::App& app, const char* name, const char* help, std::ostream& err) {
  CLI::App* command = app.add_subcommand(name, help);
  command->allow_extras();
  return {command, [name, &err] {
            err << "ctrlelem: " << name
                << " draws with cairo, which this build leaves out; use a Linux build\n";
            return 2;
          }};
}

}  // namespace

Command AddRenderCommand(CLI::App& app, CommonOptions&, std::ostream&, std::ostream& err) {
  return Unavailable(app, "render", "Draw one description (not in this build)", err);
}

Command AddGalleryCommand(CLI::App& app, CommonOptions&, std::ostream&, std::ostream& err) {
  return Unavailable(app, "gallery", "Write a static site of every description (not in this build)",
                     err);
}

}  // namespace ctrlelem_tool

#endif  // _WIN32
