// Captures a window, client and non-client area, as it stands on the screen.
// BitBlt from the window's DC: under Wine PrintWindow gives only the erased
// background, never what the window and its controls painted.
#pragma once

#include <windows.h>

#include <string>

namespace ctrlelem_view {

struct CaptureResult {
  std::wstring error;  // empty on success
  int width = 0;
  int height = 0;
};

// Writes the window's pixels as a PNG file of the window's size.
CaptureResult CaptureWindow(HWND window, const std::wstring& file);

// Handles every message waiting for this thread's windows, then waits until
// the display has drawn them, so a capture sees the finished picture.
void SettleMessages();

}  // namespace ctrlelem_view
