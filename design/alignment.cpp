#include "design/alignment.h"

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/material_geometry.h"
#include "design/renderer.h"
#include "platform/runtime/conversions.h"

namespace design {
namespace {

void PlaceCoordinate(platform::Window& window, Placement placement,
                     int (platform::Window::*extent)(std::string_view) const,
                     std::int32_t materialExtent, std::int32_t& coordinate, const char* box) {
  if (placement == Placement::Unchanged) return;
  const std::optional<std::int32_t> value =
      Place(placement, (window.*extent)(kNormalCanvas), materialExtent);
  coordinate = *value;
  window.SetText(box, platform::IntToText(coordinate));
}

}  // namespace

std::optional<std::int32_t> Place(Placement placement, std::int32_t layerExtent,
                                  std::int32_t materialExtent) {
  // Computed in 64 bits: extents near the 32-bit limits must not overflow; halves truncate
  // toward zero.
  const std::int64_t free = static_cast<std::int64_t>(layerExtent) - materialExtent;
  switch (placement) {
    case Placement::Start:
      return 0;
    case Placement::End:
      return static_cast<std::int32_t>(free);
    case Placement::Centre:
      return static_cast<std::int32_t>(free / 2);
    case Placement::Unchanged:
      break;
  }
  return std::nullopt;
}

void Align(platform::Window& window, const AlignmentCommand& command) {
  MaterialRect& rect = Design().materialRect;
  ClearMaterialArea(window);
  PlaceCoordinate(window, command.x, &platform::Window::Width, rect.width, rect.x, kMaterialXBox);
  PlaceCoordinate(window, command.y, &platform::Window::Height, rect.height, rect.y, kMaterialYBox);
  RenderAllStates(window);
}

}  // namespace design
