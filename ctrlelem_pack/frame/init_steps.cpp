#include "frame/init_steps.h"

namespace ctrlelem {

std::span<const InitStep> InitSteps() {
  static constexpr InitStep kSteps[] = {
      {"", nullptr},
  };
  return std::span(kSteps).first(0);
}

}  // namespace ctrlelem
