// ctrlelem: the command-line tool for the people who write the host side.
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "commands.h"

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The C runtime turns "\n" into "\r\n" on a text-mode stream; the output is
  // data (JSON, descriptions) and must be the same bytes on every platform.
  // Standard input, a language file given as "-", is read as it is, bytes and
  // line endings alike (lng update keeps them).
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  return ctrlelem_tool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
