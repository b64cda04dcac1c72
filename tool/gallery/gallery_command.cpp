// ctrlelem gallery DIR [--language FILE]...: the static site of every
// description.
#include "gallery/gallery_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <map>
#include <memory>

#include "gallery/gallery.h"
#include "language/strings.h"
#include "language/utf8.h"
#include "render/cairo_library.h"
#include "standard_input.h"

namespace ctrlelem_tool {
namespace {

struct GalleryArgs {
  std::string dir;
  std::vector<std::string> language_files;
  std::string native_dir;
};

int Gallery(const GalleryArgs& args, const CommonOptions& common, std::ostream& out,
            std::ostream& err) {
  if (std::string error; !render::OpenCairo(&error)) {
    err << "ctrlelem: gallery draws with cairo: " << error << '\n';
    return 1;
  }
  std::vector<gallery::Language> languages;
  // Each language by its display name, as the language menu shows it; the
  // file's name where it gives none or cannot be read (WriteGallery reports
  // a bad file).
  for (const std::string& given : args.language_files) {
    std::string error;
    const std::string file = LanguageFilePath(common, given, error);
    if (file.empty()) {
      err << "ctrlelem: " << error << '\n';
      return kUsageError;
    }
    std::map<std::pair<int, int>, std::wstring> texts;
    std::wstring name;
    std::string code;
    static_cast<void>(language::ReadLanguageTexts(file, texts, &name, &code));
    languages.push_back({!name.empty() ? language::WideToUtf8(name)
                         : given == kStandardInputName
                             ? std::string("standard input")
                             : std::filesystem::path(given).stem().string(),
                         file, code});
  }
  if (languages.empty()) languages.push_back({"English (built in)", "", "en"});
  return gallery::WriteGallery(args.dir, languages, out, err, args.native_dir);
}

}  // namespace

Command AddGalleryCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                          std::ostream& err) {
  CLI::App* command = app.add_subcommand(
      "gallery", "Write a static site of every description, with their element trees");
  auto args = std::make_shared<GalleryArgs>();
  command->add_option("dir", args->dir, "Folder to write the site into")
      ->required()
      ->type_name("DIR");
  AddCommonOptions(*command, common);
  // Several languages instead of the common option's one: the pages switch
  // between them.
  command->remove_option(command->get_option("--language"));
  command
      ->add_option("--language", args->language_files,
                   "Language file (.lng); give several to switch between them")
      ->type_name("FILE");
  command
      ->add_option("--native", args->native_dir,
                   "Folder of native captures (ID.png, from ctrlelem_view --capture-all) to show "
                   "beside the pictures")
      ->check(CLI::ExistingDirectory)
      ->type_name("CAPTURES");
  return {command, [args, &common, &out, &err] { return Gallery(*args, common, out, err); }};
}

}  // namespace ctrlelem_tool
