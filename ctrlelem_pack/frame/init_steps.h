// The steps of InitPacketsLib after the display scale: each family builder,
// in the order in which they register their ids.
#pragma once

#include <span>
#include <string_view>

namespace ctrlelem {

struct InitStep {
  std::string_view name;  // what the step builds, for listings
  void (*build)();
};

std::span<const InitStep> InitSteps();

}  // namespace ctrlelem
