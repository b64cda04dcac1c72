#include "capture.h"

#include "wic.h"

namespace ctrlelem_view {
namespace {

// Rounds of message handling before a capture: painting a window posts further
// paints (owner-drawn buttons, edits), which come in the following rounds.
constexpr int kSettleRounds = 3;
constexpr DWORD kSettlePauseMs = 20;

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

void SettleMessages() {
  for (int round = 0; round < kSettleRounds; ++round) {
    Pump();
    GdiFlush();
    Sleep(kSettlePauseMs);
  }
  Pump();
}

CaptureResult CaptureWindow(HWND window, const std::wstring& file) {
  CaptureResult result;
  RECT frame{};
  GetWindowRect(window, &frame);
  result.width = frame.right - frame.left;
  result.height = frame.bottom - frame.top;
  if (result.width <= 0 || result.height <= 0) {
    result.error = file + L": the window has no area to capture";
    return result;
  }
  HDC window_dc = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(window_dc);
  HBITMAP bitmap = CreateCompatibleBitmap(window_dc, result.width, result.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const BOOL copied =
      BitBlt(memory, 0, 0, result.width, result.height, window_dc, 0, 0, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window, window_dc);
  if (!copied) {
    result.error = file + L": BitBlt failed";
  } else {
    result.error = WritePng(bitmap, file);
  }
  DeleteObject(bitmap);
  return result;
}

}  // namespace ctrlelem_view
