#include "design/design_state.h"

#include <memory>

namespace design {
namespace {
std::unique_ptr<DesignState> g_design;
}

DesignState& Design() {
  if (!g_design) g_design = std::make_unique<DesignState>();
  return *g_design;
}

void CreateDesignState() { g_design = std::make_unique<DesignState>(); }

void DestroyDesignState() { g_design.reset(); }

StatePicture& PictureOf(DesignState& design, int stateIndex) {
  switch (stateIndex) {
    case 0:
      return design.normalPicture;
    case 1:
      return design.litPicture;
    default:
      return design.pressedPicture;
  }
}

}  // namespace design
