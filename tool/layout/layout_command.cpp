#include "layout/layout_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "ctrlelem_pack/schema/kind_table.h"
#include "frame/registry.h"
#include "layout/layout_json.h"
#include "layout/layout_options.h"
#include "layout/screen_measurer.h"
#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

namespace layout = ctrlelem::layout;

struct LayoutArgs {
  std::string id;
  LayoutChoice layout;
  bool all_states = false;
  bool json = false;
};

std::string BoxText(const layout::Box& box) {
  return "(" + std::to_string(box.x) + ", " + std::to_string(box.y) + ", " +
         std::to_string(box.width) + "x" + std::to_string(box.height) + ")";
}

void PrintText(const layout::Layout& laid_out, std::ostream& out) {
  out << "size " << laid_out.width << "x" << laid_out.height << ", client "
      << BoxText(laid_out.client) << '\n';
  for (const layout::Element& element : laid_out.elements) {
    out << std::string(static_cast<std::size_t>(element.depth) * 2, ' ') << element.path << ": "
        << layout::ElementName(element) << " " << element.id << " " << BoxText(element.box);
    if (!(element.clip == element.box)) out << " clip " << BoxText(element.clip);
    if (element.state) out << " [" << layout::ButtonStateName(*element.state) << "]";
    if (!element.visible) out << " hidden";
    if (element.text) {
      const layout::TextLayout& text = element.text->layout;
      out << " " << QuoteJson(WideToWtf8(element.text->text)) << " " << text.lines.size()
          << (text.lines.size() == 1 ? " line" : " lines");
      if (!text.fits_width) out << ", needs " << text.needed_width << " px wide";
      if (!text.fits_height) out << ", needs " << text.needed_height << " px high";
    }
    out << '\n';
  }
}

int LayOutCommand(const LayoutArgs& args, std::ostream& out, std::ostream& err) {
  unsigned long long id = 0;
  if (!ParseId(args.id, id)) {
    err << "ctrlelem: bad element id '" << args.id << "': expected a decimal number\n";
    return kUsageError;
  }
  const std::optional<ParsedLayoutChoice> choice = ParseLayoutChoice(args.layout, err);
  if (!choice) return kUsageError;
  BuildDescriptions(err);
  const std::vector<ctrlelem::ElementId> registered = ctrlelem::RegisteredIds();
  if (!std::binary_search(registered.begin(), registered.end(), id)) {
    err << "ctrlelem: " << id << " is not a registered element id (ctrlelem list shows them)\n";
    return kUsageError;
  }
  layout::Options options = ScreenLayoutOptions();
  options.id = static_cast<std::uint32_t>(id);
  options.state = choice->state;
  options.all_states = args.all_states;
  options.hide = choice->hide;
  ScreenMeasurer measurer;
  const layout::Layout laid_out =
      layout::LayOut(ctrlelem::Lookup(static_cast<ctrlelem::ElementId>(id)), choice->width,
                     choice->height, measurer, options);
  if (!args.json) {
    PrintText(laid_out, out);
    return 0;
  }
  out << LayoutJson(id, laid_out);
  return 0;
}

}  // namespace

Command AddLayoutCommand(CLI::App& app, CommonOptions& common, std::ostream& out,
                         std::ostream& err) {
  CLI::App* command = app.add_subcommand(
      "layout", "Where every element of a description stands, what shows and what fits");
  auto args = std::make_shared<LayoutArgs>();
  command->add_option("id", args->id, "Element id")->required()->type_name("ID");
  AddLayoutChoiceOptions(*command, args->layout);
  command->add_flag("--all-states", args->all_states,
                    "Lay out every state group of every button, as the checks do");
  command->add_flag("--json", args->json, "Print one JSON document");
  AddCommonOptions(*command, common);
  return {command, [args, &out, &err] { return LayOutCommand(*args, out, err); }};
}

}  // namespace ctrlelem_tool
