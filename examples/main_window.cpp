// A host at its smallest: builds the descriptions, asks for the main window
// (element id 1) and prints its caption and the number of its child elements.
// It needs nothing but the two entry points and the packet classes.
#include <ctrlelem_pack/ctrlelem_pack.h>
#include <language/utf8.h>

#include <cstdio>
#include <string>

namespace {

constexpr unsigned long kMainWindowId = 1;
// Window description keys: the caption (wide string) and the children
// container (a serialised packet with one child per key).
constexpr int kCaptionKey = 2;
constexpr int kChildrenKey = 10;

}  // namespace

int main() {
  InitPacketsLib();
  const __packet window = GetPacketProc(kMainWindowId);
  if (window.empty()) {
    std::fprintf(stderr, "main_window: no description under id %lu\n", kMainWindowId);
    return 1;
  }

  const __val caption = window[kCaptionKey];
  const std::wstring* text = caption.wstr();
  const std::optional<__packet> children = window[kChildrenKey].as_packet();
  if (text == nullptr || !children) {
    std::fprintf(stderr, "main_window: the description has no caption or no children\n");
    return 1;
  }
  std::printf("ctrlelem_pack %s\n", ctrlelem::kVersion);
  std::printf("main window caption: %s\n", language::WideToUtf8(*text).c_str());
  std::printf("main window children: %zu\n", children->size());
  return 0;
}
