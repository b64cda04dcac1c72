// InitPacketsLib, declared with the other entry point in frame/entry_points.h,
// lives here because it walks the catalogue, which sits above frame/.
#include "catalogue/catalogue.h"
#include "frame/display_scale.h"
#include "frame/entry_points.h"

void InitPacketsLib() {
  // The main window's sizes follow the display scale, so it comes first.
  ctrlelem::ComputeDisplayScale();
  ctrlelem::catalogue::RegisterAll();
}
