// The layout model's measurer on the screen layer: text widths and line
// heights as the library measures them, at the current screen's resolution.
#pragma once

#include "ctrlelem_pack/layout.h"

namespace ctrlelem_tool {

class ScreenMeasurer final : public ctrlelem::layout::Measurer {
 public:
  std::vector<int> Widths(const ctrlelem::layout::Font& font,
                          std::span<const std::wstring_view> texts) override;
  int LineHeight(const ctrlelem::layout::Font& font) override;
  int CharacterHeight(const ctrlelem::layout::Font& font) override;
};

// Layout options for the current screen: its frame, caption and check-box
// metrics.
ctrlelem::layout::Options ScreenLayoutOptions();

}  // namespace ctrlelem_tool
