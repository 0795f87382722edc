#pragma once

#include "platform/toolkit/window.h"

namespace app {

// Connects every event of the main window's controls to its handler.
void WireMainWindow(platform::Window& window);

}  // namespace app
