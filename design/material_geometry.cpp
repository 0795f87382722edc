#include "design/material_geometry.h"

#include "design/renderer.h"
#include "platform/runtime/conversions.h"

namespace design {

void ClearMaterialArea(platform::Window& window) {
  const MaterialRect& rect = Design().materialRect;
  window.ClearArea(kNormalCanvas, rect.x, rect.y, rect.width, rect.height);
}

void OnMaterialBoxGotFocus(platform::Window& window, const MaterialBox& box) {
  // The value on entering is kept in the box's own field; leaving compares against it.
  Design().materialRect.*box.field = platform::TextToInt(window.Text(box.box));
}

void OnMaterialBoxLostFocus(platform::Window& window, const MaterialBox& box) {
  MaterialRect& rect = Design().materialRect;
  if (platform::TextToInt(window.Text(box.box)) == rect.*box.field) return;
  ClearMaterialArea(window);
  rect.*box.firstField = platform::TextToInt(window.Text(box.firstBox));
  rect.*box.secondField = platform::TextToInt(window.Text(box.secondBox));
  RenderAllStates(window);
}

void OnNormalCanvasLeftButtonDown(platform::Window& window) { window.BeginDrag(kNormalCanvas); }

}  // namespace design
