// The built-in English string tables, compiled into the library.
#pragma once

#include <span>

namespace language {

struct BuiltinString {
  int id;
  const wchar_t* text;
};

// Each table sorted by ascending id, ids unique.
std::span<const BuiltinString> EnglishTable1();
std::span<const BuiltinString> EnglishTable2();

}  // namespace language
