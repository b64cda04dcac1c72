#include "library.h"

#include <cstring>
#include <utility>

namespace ctrlelem_view {
namespace {

// The exports as the 32-bit and 64-bit GCC builds name them:
// void InitPacketsLib() and __packet GetPacketProc(unsigned long).
constexpr char kInitExport[] = "_Z14InitPacketsLibv";
constexpr char kLookupExport[] = "_Z13GetPacketProcm";

template <class Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

}  // namespace

std::wstring SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 && text ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
    message.pop_back();
  }
  if (message.empty()) message = L"error " + std::to_wstring(error);
  return message;
}

PacketLibrary::~PacketLibrary() {
  if (module_) FreeLibrary(module_);
}

std::wstring PacketLibrary::Load(const std::wstring& dll_name) {
  module_ = LoadLibraryW(dll_name.c_str());
  if (!module_) return dll_name + L": cannot be loaded: " + SystemMessage(GetLastError());
  init_ = Export<InitFunction>(module_, kInitExport);
  lookup_ = Export<LookupFunction>(module_, kLookupExport);
  for (const auto& [found, name] :
       {std::pair{init_ != nullptr, kInitExport}, std::pair{lookup_ != nullptr, kLookupExport}}) {
    if (!found) return dll_name + L": has no export " + Widen(name);
  }
  return {};
}

void PacketLibrary::Init() {
  if (initialised_ || !init_) return;
  init_();
  initialised_ = true;
}

__packet PacketLibrary::Get(std::uint32_t id) const { return lookup_ ? lookup_(id) : __packet(); }

}  // namespace ctrlelem_view
