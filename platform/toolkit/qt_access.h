#pragma once

// The widgets behind a window's controls, for tests that look at or drive them directly.
// Nothing above the platform layer uses this.

#include <QWidget>
#include <string_view>

#include "platform/toolkit/window.h"

namespace platform {

// The widget of a control; null for an unknown name or a control without a widget.
QWidget* WidgetOf(Window& window, std::string_view name);

// The window's own top-level widget.
QWidget* TopLevelOf(Window& window);

}  // namespace platform
