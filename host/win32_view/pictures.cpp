#include "pictures.h"

#include <wincodec.h>

#include "wic.h"

namespace ctrlelem_view {

PictureStore::~PictureStore() {
  for (const auto& [number, bitmap] : loaded_) {
    if (bitmap) DeleteObject(bitmap);
  }
}

COLORREF PlaceholderColour(std::uint32_t number, bool border) {
  // A mid tone per number, so black and white captions both stay readable.
  const std::uint32_t hash = (number & 0xFFFF) * 2654435761u;
  const auto tone = [&](int shift) {
    const int c = 150 + static_cast<int>(hash >> shift & 0x3F);
    return static_cast<BYTE>(border ? c - 60 : c);
  };
  return RGB(tone(8), tone(16), tone(24));
}

HBITMAP PictureStore::Load(std::uint32_t number) {
  if (const auto found = loaded_.find(number); found != loaded_.end()) return found->second;
  HBITMAP bitmap = nullptr;
  if (!folder_.empty()) {
    for (const wchar_t* extension : {L".png", L".bmp"}) {
      const std::wstring file = folder_ + L"\\" + std::to_wstring(number) + extension;
      if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
      bitmap = DecodeImageFile(file);
      if (bitmap) break;
    }
  }
  loaded_.emplace(number, bitmap);
  return bitmap;
}

bool PictureStore::Draw(HDC dc, std::uint32_t number, const RECT& box) {
  HBITMAP bitmap = Load(number);
  if (!bitmap) return false;
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0,
             info.bmWidth, info.bmHeight, blend);
  SelectObject(source, old);
  DeleteDC(source);
  return true;
}

}  // namespace ctrlelem_view
