#include "layout/screen_measurer.h"

#include "screen/screen.h"

namespace ctrlelem_tool {
namespace {

screen::FontRequest Request(const ctrlelem::layout::Font& font) {
  return {font.face, font.point_size, font.weight};
}

}  // namespace

std::vector<int> ScreenMeasurer::Widths(const ctrlelem::layout::Font& font,
                                        std::span<const std::wstring_view> texts) {
  return screen::Current().TextWidths(Request(font), texts);
}

int ScreenMeasurer::LineHeight(const ctrlelem::layout::Font& font) {
  return screen::Current().LineHeight(Request(font));
}

int ScreenMeasurer::CharacterHeight(const ctrlelem::layout::Font& font) {
  return -screen::FontHeight(font.point_size, screen::Current().LogPixelsY());
}

ctrlelem::layout::Options ScreenLayoutOptions() {
  screen::Screen& screen = screen::Current();
  ctrlelem::layout::Options options;
  options.frame_x = screen.SystemMetric(screen::Metric::cxframe);
  options.frame_y = screen.SystemMetric(screen::Metric::cyframe);
  options.caption_height = screen.SystemMetric(screen::Metric::cycaption);
  options.check_box = screen.SystemMetric(screen::Metric::cxmenucheck);
  return options;
}

}  // namespace ctrlelem_tool
