#pragma once

// The main window and every control in it: names, kinds, places, captions, initial states and
// input rules. The control order decides the order in which the settings file keeps the
// check-box states and edit-box texts.

#include "platform/toolkit/control_layout.h"

namespace app {

inline constexpr const char* kMainWindow = "窗口_主窗口";

platform::WindowLayout MainWindowLayout();

}  // namespace app
