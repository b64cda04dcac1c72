// ctrlelem: the command-line tool for the people who write the host side.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char** argv) {
  return ctrlelem_tool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
