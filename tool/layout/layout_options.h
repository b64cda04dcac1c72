// The options that choose how a description is laid out, shared by `layout`
// and `render`: the window size, the buttons' state, and elements left out.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "common.h"
#include "ctrlelem_pack/layout.h"

namespace ctrlelem_tool {

struct LayoutChoice {
  std::string size;  // "WxH"; empty: the initial size
  std::string state = "normal";
  std::vector<std::string> hide;
};

// Adds --size, --state and --hide to the command.
void AddLayoutChoiceOptions(CLI::App& command, LayoutChoice& choice);

struct ParsedLayoutChoice {
  int width = 0;  // 0: the initial size
  int height = 0;
  ctrlelem::layout::ButtonState state = ctrlelem::layout::ButtonState::normal;
  std::vector<std::string> hide;
};

// The choice read, or nothing after a message on `err` naming what is wrong.
std::optional<ParsedLayoutChoice> ParseLayoutChoice(const LayoutChoice& choice, std::ostream& err);

}  // namespace ctrlelem_tool
