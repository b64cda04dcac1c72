// The steps of InitPacketsLib after the display scale: each family builder,
// in the order in which they register their ids.
#pragma once

#include <span>

namespace ctrlelem {

using InitStep = void (*)();

std::span<const InitStep> InitSteps();

}  // namespace ctrlelem
