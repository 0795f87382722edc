#include "design/layer_style.h"

#include "design/renderer.h"
#include "platform/runtime/conversions.h"

namespace design {
namespace {

void ApplyLayerExtent(platform::Window& window, const char* box,
                      void (platform::Window::*setExtent)(std::string_view, int)) {
  const int extent = platform::TextToInt(window.Text(box));
  for (const char* control : kLayerSizedControls) (window.*setExtent)(control, extent);
}

void CopyUnifiedColour(platform::Window& window, ButtonState state) {
  window.SetColour(ControlsOf(state).colourPicker, window.Colour(kUnifiedLayerColourPicker));
}

}  // namespace

void PaintBackdrop(platform::Window& window) {
  const std::uint32_t colour = window.Colour(kBackdropColourPicker);
  window.SetFillColour(kBackdrop, colour);
  window.SetBackgroundColour(kDemoGroup, colour);
}

void ApplyLayerWidth(platform::Window& window) {
  ApplyLayerExtent(window, kLayerWidthBox, &platform::Window::SetWidth);
}

void ApplyLayerHeight(platform::Window& window) {
  ApplyLayerExtent(window, kLayerHeightBox, &platform::Window::SetHeight);
}

void OnBackdropColourChanged(platform::Window& window) { PaintBackdrop(window); }

void OnUnifiedLayerColourChanged(platform::Window& window) {
  for (const ButtonStateControls& row : kButtonStates) {
    if (window.Ticked(row.inheritBox)) CopyUnifiedColour(window, row.state);
  }
  RenderAllStates(window);
}

void OnLayerWidthLostFocus(platform::Window& window) {
  ApplyLayerWidth(window);
  RenderAllStates(window);
}

void OnLayerHeightLostFocus(platform::Window& window) {
  ApplyLayerHeight(window);
  RenderAllStates(window);
}

void OnStateColourChanged(platform::Window& window, ButtonState state) {
  RenderState(window, state);
}

void OnStateOpacityLostFocus(platform::Window& window, ButtonState state) {
  RenderState(window, state);
}

void OnStateInheritClicked(platform::Window& window, ButtonState state) {
  // Unticking keeps the state's own colour as it is.
  if (!window.Ticked(ControlsOf(state).inheritBox)) return;
  CopyUnifiedColour(window, state);
  RenderState(window, state);
}

}  // namespace design
