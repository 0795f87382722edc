#pragma once

// Handlers of the layer settings: backdrop colour, unified layer colour, layer size, and each
// state's colour, opacity and "inherit unified settings" option.

#include "design/button_state.h"
#include "platform/toolkit/window.h"

namespace design {

void PaintBackdrop(platform::Window& window);
void ApplyLayerWidth(platform::Window& window);
void ApplyLayerHeight(platform::Window& window);

void OnBackdropColourChanged(platform::Window& window);
void OnUnifiedLayerColourChanged(platform::Window& window);
void OnLayerWidthLostFocus(platform::Window& window);
void OnLayerHeightLostFocus(platform::Window& window);
void OnStateColourChanged(platform::Window& window, ButtonState state);
void OnStateOpacityLostFocus(platform::Window& window, ButtonState state);
void OnStateInheritClicked(platform::Window& window, ButtonState state);

}  // namespace design
