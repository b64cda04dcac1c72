#include "completion.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ctrlelem_tool {
namespace {

// The long and short names of a command's options, "--json -o --output".
std::string OptionWords(const CLI::App& command) {
  std::string words;
  for (const CLI::Option* option : command.get_options()) {
    for (const std::string& name : option->get_lnames()) words += " --" + name;
    for (const std::string& name : option->get_snames()) words += " -" + name;
  }
  return words.empty() ? words : words.substr(1);
}

std::string SubcommandWords(const CLI::App& command) {
  std::string words;
  for (const CLI::App* sub : command.get_subcommands({})) {
    words += (words.empty() ? "" : " ") + sub->get_name();
  }
  // The one positional argument with fixed values.
  if (command.get_name() == "completion") words = "bash";
  return words;
}

// One case per command path ("lng check"), its words: subcommands and options.
void Cases(const CLI::App& command, const std::string& path, std::ostream& out) {
  for (const CLI::App* sub : command.get_subcommands({})) {
    const std::string at = path.empty() ? sub->get_name() : path + " " + sub->get_name();
    std::string words = SubcommandWords(*sub);
    const std::string options = OptionWords(*sub);
    if (!options.empty()) words += (words.empty() ? "" : " ") + options;
    out << "    \"" << at << "\") words=\"" << words << "\" ;;\n";
    Cases(*sub, at, out);
  }
}

void WriteBash(const CLI::App& root, std::ostream& out) {
  out << "# bash completion for ctrlelem; source it, or install it as\n"
         "# /usr/share/bash-completion/completions/ctrlelem\n"
         "_ctrlelem() {\n"
         "  local cur=\"${COMP_WORDS[COMP_CWORD]}\" path=\"\" word i\n"
         "  # The command path so far: the words that name (sub)commands.\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    word=\"${COMP_WORDS[i]}\"\n"
         "    case \"${path:+$path }$word\" in\n";
  std::vector<std::string> paths;
  const auto collect = [&paths](const auto& self, const CLI::App& command,
                                const std::string& path) -> void {
    for (const CLI::App* sub : command.get_subcommands({})) {
      const std::string at = path.empty() ? sub->get_name() : path + " " + sub->get_name();
      paths.push_back(at);
      self(self, *sub, at);
    }
  };
  collect(collect, root, "");
  for (const std::string& path : paths) {
    out << "      \"" << path << "\") path=\"" << path << "\" ;;\n";
  }
  out << "    esac\n"
         "  done\n"
         "  local words\n"
         "  case \"$path\" in\n"
         "    \"\") words=\""
      << SubcommandWords(root) << " " << OptionWords(root) << "\" ;;\n";
  Cases(root, "", out);
  out << "  esac\n"
         "  # Options that take a file or folder complete file names.\n"
         "  case \"${COMP_WORDS[COMP_CWORD - 1]}\" in\n"
         "    -o | --output | --language | --languages-dir | --images | --native)\n"
         "      COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "      return ;;\n"
         "  esac\n"
         "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
         "  [[ ${#COMPREPLY[@]} -eq 0 ]] && COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "}\n"
         "complete -F _ctrlelem ctrlelem\n";
}

}  // namespace

Command AddCompletionCommand(CLI::App& root, std::ostream& out) {
  CLI::App* command =
      root.add_subcommand("completion", "Print a shell completion script (bash) for the tool");
  auto shell = std::make_shared<std::string>();
  command->add_option("shell", *shell, "The shell: bash")
      ->required()
      ->check(CLI::IsMember({"bash"}))
      ->type_name("SHELL");
  return {command, [shell, &root, &out] {
            WriteBash(root, out);
            return 0;
          }};
}

}  // namespace ctrlelem_tool
