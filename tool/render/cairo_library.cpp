#include "render/cairo_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace ctrlelem_tool::render {
namespace {

// The soname every Linux distribution ships cairo 1.x under.
constexpr const char* kCairoSoname = "libcairo.so.2";

struct Opened {
  CairoLibrary library;
  std::string error;  // empty when every function was found
};

Opened Open() {
  Opened opened;
  void* handle = dlopen(kCairoSoname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    opened.error = std::string("cannot load ") + kCairoSoname + ": " +
                   (reason != nullptr ? reason : "unknown error");
    return opened;
  }
  // The library stays loaded for the life of the process.
#define CTRLELEM_CAIRO_LOOKUP(name)                                                      \
  opened.library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));       \
  if (opened.library.name == nullptr && opened.error.empty()) {                          \
    opened.error = std::string(kCairoSoname) + " lacks " #name " (cairo 1.12 or later)"; \
  }
  CTRLELEM_CAIRO_FUNCTIONS(CTRLELEM_CAIRO_LOOKUP)
#undef CTRLELEM_CAIRO_LOOKUP
  return opened;
}

const Opened& Library() {
  static const Opened opened = Open();
  return opened;
}

}  // namespace

bool OpenCairo(std::string* error) {
  const Opened& opened = Library();
  if (!opened.error.empty() && error != nullptr) *error = opened.error;
  return opened.error.empty();
}

const CairoLibrary& Cairo() {
  const Opened& opened = Library();
  if (!opened.error.empty()) {
    std::fprintf(stderr, "ctrlelem: drawing without cairo: %s\n", opened.error.c_str());
    std::abort();
  }
  return opened.library;
}

}  // namespace ctrlelem_tool::render
