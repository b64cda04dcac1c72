// The main window family's tests: a screen at chosen resolutions, and the
// packet reads every family shares.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "frame/display_scale.h"
#include "screen/scripted_screen.h"
#include "support/packet_access.h"

namespace main_family_test {

// A scripted screen at the given resolutions, with the display scale computed
// from it; the previous screen comes back when the object dies.
class ScreenAt {
 public:
  ScreenAt(int dpi_x, int dpi_y) : installed_(Make(dpi_x, dpi_y)) {
    ctrlelem::ComputeDisplayScale();
  }

 private:
  static std::shared_ptr<screen::ScriptedScreen> Make(int dpi_x, int dpi_y) {
    auto fake = std::make_shared<screen::ScriptedScreen>();
    fake->dpi_x = dpi_x;
    fake->dpi_y = dpi_y;
    return fake;
  }
  screen::ScopedScreen installed_;
};

}  // namespace main_family_test
