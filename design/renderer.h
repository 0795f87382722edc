#pragma once

// Turns the design into the three state pictures and shows each on its canvas and on the two
// demonstration buttons.

#include "design/button_state.h"
#include "platform/toolkit/window.h"

namespace design {

void RenderState(platform::Window& window, ButtonState state);
void RenderNormal(platform::Window& window);
void RenderLit(platform::Window& window);
void RenderPressed(platform::Window& window);
void RenderAllStates(platform::Window& window);

}  // namespace design
