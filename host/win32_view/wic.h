// Picture files through the Windows Imaging Component: decoding the host's
// pictures and encoding captures as PNG. COM must be initialised on the thread.
#pragma once

#include <windows.h>

#include <string>

namespace ctrlelem_view {

// A 32-bit premultiplied top-down DIB section of the file; null if it cannot be
// read or decoded.
HBITMAP DecodeImageFile(const std::wstring& file);

// Writes the bitmap (not selected into any DC) as a PNG file; an empty result
// on success, else a message naming the file and the reason.
std::wstring WritePng(HBITMAP bitmap, const std::wstring& file);

}  // namespace ctrlelem_view
