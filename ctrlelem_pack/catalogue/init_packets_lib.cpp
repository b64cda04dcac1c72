// InitPacketsLib, declared with the other entry point in frame/entry_points.h,
// lives here because it walks the catalogue, which sits above frame/.
#include <mutex>

#include "catalogue/catalogue.h"
#include "frame/display_scale.h"
#include "frame/entry_points.h"

void InitPacketsLib() {
  // "Call once" is the contract; a host that calls twice at once gets two
  // builds one after the other, and the registry keeps the first packet filed
  // under each id, as after two calls in a row.
  static std::mutex building;
  const std::lock_guard lock(building);
  // The main window's sizes follow the display scale, so it comes first.
  ctrlelem::ComputeDisplayScale();
  ctrlelem::catalogue::RegisterAll();
}
