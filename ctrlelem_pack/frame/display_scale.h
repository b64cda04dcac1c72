// The display scale: the factors that turn sizes written for a 96-dpi screen
// into sizes for the actual screen. Computed once per InitPacketsLib.
#pragma once

namespace ctrlelem {

struct DisplayScale {
  double horizontal = 0.0;  // LOGPIXELSX / 96
  double vertical = 0.0;    // LOGPIXELSY / 96
};

// Reads the screen's two resolutions and stores the factors.
void ComputeDisplayScale();
DisplayScale CurrentDisplayScale();

// A base width or height scaled by its axis' factor, truncated toward zero
// (never rounded: 447 at 1.5 is 670, not 671).
int ScaledWidth(int base);
int ScaledHeight(int base);

}  // namespace ctrlelem
