// The C interface over the library's own entry points and settings. Every
// function catches everything: no exception may unwind into a C caller.
#include "ctrlelem_pack/ctrlelem_c.h"

#include <cstring>
#include <exception>
#include <filesystem>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "ctrlelem_pack/ctrlelem_pack.h"
#include "dump.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "layout/layout_json.h"
#include "layout/screen_measurer.h"
#include "screen/profile.h"
#include "utf.h"

namespace {

// Settings and init are serialised; lookups only read the built registry.
// Settings close when init starts: an init that fails part-way (out of
// memory) has filed some descriptions already, and a retry keeps those.
std::mutex settings_mutex;
bool settings_closed = false;  // both under settings_mutex
bool initialised = false;

// The message of the last failing call, for ctrlelem_c_last_error.
std::mutex error_mutex;
std::string last_error;

void SetError(std::string message) noexcept {
  std::lock_guard lock(error_mutex);
  try {
    last_error = std::move(message);
  } catch (...) {
    last_error.clear();  // no memory even for the message: keep none rather than a stale one
  }
}

int Fail(int code, std::string message) noexcept {
  SetError(std::move(message));
  return code;
}

// CTRLELEM_C_ERROR_INTERNAL with "FUNCTION: WHAT"; building the message may
// itself run out of memory, which leaves no message rather than throwing.
int FailInternal(const char* function, const char* what) noexcept {
  try {
    return Fail(CTRLELEM_C_ERROR_INTERNAL, std::string(function) + ": " + what);
  } catch (...) {
    return Fail(CTRLELEM_C_ERROR_INTERNAL, std::string());
  }
}

// Runs `body`, turning any exception into CTRLELEM_C_ERROR_INTERNAL.
template <typename Body>
int Guarded(const char* function, Body body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return FailInternal(function, "out of memory");
  } catch (const std::exception& e) {
    return FailInternal(function, e.what());
  } catch (...) {
    return FailInternal(function, "unknown failure");
  }
}

// The same for the functions that return a size.
template <typename Body>
size_t GuardedSize(const char* function, Body body) noexcept {
  size_t size = CTRLELEM_C_SIZE_ERROR;
  const int code = Guarded(function, [&] {
    size = body();
    return CTRLELEM_C_OK;
  });
  return code == CTRLELEM_C_OK ? size : CTRLELEM_C_SIZE_ERROR;
}

// Settings are refused once the descriptions are built: the registry keeps the
// first description of every id, so a later setting could never show.
bool RefuseAfterInit(const char* function, int& code) {
  if (!settings_closed) return false;
  code = Fail(CTRLELEM_C_ERROR_STATE,
              std::string(function) +
                  ": the descriptions are already built (ctrlelem_c_init was called); "
                  "settings must come before it");
  return true;
}

bool Given(const char* text) { return text != nullptr && *text != '\0'; }

// The screen the process started with (defaults and environment): every
// ctrlelem_c_set_screen starts from it, so one call replaces the previous one.
const screen::Profile& StartingProfile() {
  static const screen::Profile profile = screen::CurrentProfile();
  return profile;
}

// The caller's buffer protocol: the result's size, copied when it fits, with a
// NUL after text when there is room for it.
size_t Deliver(const char* function, std::string_view result, void* buf, size_t cap, bool text) {
  if (buf == nullptr && cap != 0) {
    SetError(std::string(function) + ": the buffer is NULL but its capacity is " +
             std::to_string(cap));
    return CTRLELEM_C_SIZE_ERROR;
  }
  if (buf != nullptr && cap >= result.size()) {
    if (!result.empty()) std::memcpy(buf, result.data(), result.size());
    if (text && cap > result.size()) static_cast<char*>(buf)[result.size()] = '\0';
  }
  return result.size();
}

}  // namespace

extern "C" {

uint32_t ctrlelem_c_abi_version(void) { return CTRLELEM_C_ABI_VERSION; }

int ctrlelem_c_set_screen(const char* dpi, const char* metrics) {
  return Guarded("ctrlelem_c_set_screen", [&] {
    std::lock_guard lock(settings_mutex);
    int code = CTRLELEM_C_OK;
    if (RefuseAfterInit("ctrlelem_c_set_screen", code)) return code;
    screen::Profile profile = StartingProfile();
    if (Given(dpi)) {
      if (auto error = screen::ParseDpi(dpi, profile)) {
        return Fail(CTRLELEM_C_ERROR_ARGUMENT, "ctrlelem_c_set_screen: " + error->message);
      }
    }
    if (Given(metrics)) {
      if (auto error = screen::ParseMetrics(metrics, profile)) {
        return Fail(CTRLELEM_C_ERROR_ARGUMENT, "ctrlelem_c_set_screen: " + error->message);
      }
    }
    if (auto error = screen::SetProfile(profile)) {
      return Fail(CTRLELEM_C_ERROR_ARGUMENT, "ctrlelem_c_set_screen: " + error->message);
    }
    return CTRLELEM_C_OK;
  });
}

int ctrlelem_c_set_language_file(const char* utf8_path) {
  return Guarded("ctrlelem_c_set_language_file", [&] {
    std::lock_guard lock(settings_mutex);
    int code = CTRLELEM_C_OK;
    if (RefuseAfterInit("ctrlelem_c_set_language_file", code)) return code;
    const std::optional<language::Error> error =
        language::SetLanguageFile(Given(utf8_path) ? utf8_path : "");
    // The library also reports the error on its diagnostics channel; it is
    // returned here instead.
    language::TakeDiagnostics();
    if (error) {
      return Fail(CTRLELEM_C_ERROR_LANGUAGE,
                  "ctrlelem_c_set_language_file: bad language file: " + error->message);
    }
    return CTRLELEM_C_OK;
  });
}

int ctrlelem_c_set_languages_dir(const char* utf8_path) {
  return Guarded("ctrlelem_c_set_languages_dir", [&] {
    std::lock_guard lock(settings_mutex);
    int code = CTRLELEM_C_OK;
    if (RefuseAfterInit("ctrlelem_c_set_languages_dir", code)) return code;
    if (!Given(utf8_path)) {
      language::SetLanguagesDir("");
      return CTRLELEM_C_OK;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(language::PathFromUtf8(utf8_path), ec)) {
      return Fail(CTRLELEM_C_ERROR_LANGUAGE, std::string("ctrlelem_c_set_languages_dir: '") +
                                                 utf8_path + "' is not a readable folder");
    }
    language::SetLanguagesDir(utf8_path);
    return CTRLELEM_C_OK;
  });
}

int ctrlelem_c_init(void) {
  return Guarded("ctrlelem_c_init", [&] {
    std::lock_guard lock(settings_mutex);
    if (initialised) return CTRLELEM_C_OK;
    settings_closed = true;
    InitPacketsLib();
    // Warnings of the build (a language folder that cannot be listed, say)
    // have no reader here; they must not pile up.
    language::TakeDiagnostics();
    initialised = true;
    return CTRLELEM_C_OK;
  });
}

size_t ctrlelem_c_description(uint32_t id, unsigned char* buf, size_t cap) {
  return GuardedSize("ctrlelem_c_description", [&] {
    if (buf == nullptr && cap != 0) return Deliver("ctrlelem_c_description", {}, buf, cap, false);
    const std::string bytes = GetPacketProc(id).data();
    return Deliver("ctrlelem_c_description", bytes, buf, cap, false);
  });
}

size_t ctrlelem_c_description_json(uint32_t id, char* buf, size_t cap) {
  return GuardedSize("ctrlelem_c_description_json", [&] {
    if (buf == nullptr && cap != 0) {
      return Deliver("ctrlelem_c_description_json", {}, buf, cap, true);
    }
    const std::string json = ctrlelem_tool::PacketJson(GetPacketProc(id));
    return Deliver("ctrlelem_c_description_json", json, buf, cap, true);
  });
}

size_t ctrlelem_c_layout_json(uint32_t id, uint32_t width, uint32_t height, char* buf, size_t cap) {
  constexpr const char* kFunction = "ctrlelem_c_layout_json";
  return GuardedSize(kFunction, [&] {
    if (buf == nullptr && cap != 0) return Deliver(kFunction, {}, buf, cap, true);
    const auto side = static_cast<uint32_t>(ctrlelem_tool::kMaxWindowSide);
    if (width > side || height > side) {
      SetError(std::string(kFunction) + ": the size " + std::to_string(width) + "x" +
               std::to_string(height) + " has a side over " + std::to_string(side));
      return CTRLELEM_C_SIZE_ERROR;
    }
    const __packet description = GetPacketProc(id);
    if (description.empty()) {
      bool built = false;
      {
        std::lock_guard lock(settings_mutex);
        built = initialised;
      }
      SetError(std::string(kFunction) + ": " + std::to_string(id) +
               (built ? " is not a registered element id"
                      : " has no description yet: call ctrlelem_c_init first"));
      return CTRLELEM_C_SIZE_ERROR;
    }
    // The screen layer's measurement is shared by all threads and guards
    // itself; the walk keeps its state on this thread.
    ctrlelem::layout::Options options = ctrlelem_tool::ScreenLayoutOptions();
    options.id = id;
    ctrlelem_tool::ScreenMeasurer measurer;
    const std::string json = ctrlelem_tool::LayoutJson(
        id, ctrlelem::layout::LayOut(description, static_cast<int>(width), static_cast<int>(height),
                                     measurer, options));
    return Deliver(kFunction, json, buf, cap, true);
  });
}

size_t ctrlelem_c_last_error(char* buf, size_t cap) {
  return GuardedSize("ctrlelem_c_last_error", [&] {
    if (buf == nullptr && cap != 0) return Deliver("ctrlelem_c_last_error", {}, buf, cap, true);
    std::string message;
    {
      std::lock_guard lock(error_mutex);
      message = last_error;
    }
    return Deliver("ctrlelem_c_last_error", message, buf, cap, true);
  });
}

}  // extern "C"
