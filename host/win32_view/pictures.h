// The host's pictures: a description names pictures by number only. Picture N
// is DIR/N.png or DIR/N.bmp from --images; without one a placeholder stands in,
// coloured by the number, as the tool's pictures show them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

namespace ctrlelem_view {

class PictureStore {
 public:
  explicit PictureStore(std::wstring folder) : folder_(std::move(folder)) {}
  ~PictureStore();
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  // Draws picture `number` stretched over the box; false when there is no file
  // for it (or it cannot be decoded): the caller draws the placeholder.
  bool Draw(HDC dc, std::uint32_t number, const RECT& box);

 private:
  // A 32-bit premultiplied DIB of the file, null when there is none.
  HBITMAP Load(std::uint32_t number);

  std::wstring folder_;
  std::map<std::uint32_t, HBITMAP> loaded_;  // null entries: looked for, not found
};

// The placeholder's fill and border colours (COLORREF) for a picture number.
COLORREF PlaceholderColour(std::uint32_t number, bool border);

}  // namespace ctrlelem_view
