#include "layout/layout_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

constexpr const char* kStateNames = "normal, hover, pressed, disabled, checked";

}  // namespace

void AddLayoutChoiceOptions(CLI::App& command, LayoutChoice& choice) {
  command.add_option("--size", choice.size, "Window size to lay out at (clamped to its limits)")
      ->type_name("WxH");
  command
      .add_option("--state", choice.state,
                  std::string("Lay out every button in this state: ") + kStateNames)
      ->type_name("STATE");
  command
      .add_option("--hide", choice.hide,
                  "Leave out the element at PATH and everything in it (repeatable), as "
                  "`ctrlelem layout ID` prints paths")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->type_name("PATH");
}

std::optional<ParsedLayoutChoice> ParseLayoutChoice(const LayoutChoice& choice, std::ostream& err) {
  ParsedLayoutChoice parsed;
  if (!choice.size.empty() && !ParseWindowSize(choice.size, parsed.width, parsed.height)) {
    err << "ctrlelem: bad size '" << Printable(choice.size) << "': expected WxH, each 1 to "
        << kMaxWindowSide << '\n';
    return std::nullopt;
  }
  const std::optional<ctrlelem::layout::ButtonState> state =
      ctrlelem::layout::ParseButtonState(choice.state);
  if (!state) {
    err << "ctrlelem: bad state '" << Printable(choice.state) << "': expected one of "
        << kStateNames << '\n';
    return std::nullopt;
  }
  parsed.state = *state;
  parsed.hide = choice.hide;
  return parsed;
}

}  // namespace ctrlelem_tool
